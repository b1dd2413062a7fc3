#include "scenario/testo/indice_righe.h"

#include <algorithm>

#include "scenario/testo/a_1252.h"

namespace {
bool a_capo(char c) { return c == '\r' || c == '\n'; }
}  // namespace

indice_righe::indice_righe(std::string_view testo) : dimensione_(testo.size()) {
  fini_.clear();
  for (std::size_t i = 0; i < testo.size(); ++i) {
    if (!a_capo(testo[i])) continue;
    fini_.push_back(i);
    if (testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') ++i;
    inizi_.push_back(i + 1);
  }
  fini_.push_back(testo.size());
}

std::size_t indice_righe::riga(std::size_t offset) const {
  const auto dopo = std::upper_bound(inizi_.begin(), inizi_.end(), offset);
  return static_cast<std::size_t>(dopo - inizi_.begin()) - 1;
}

punto_riga indice_righe::in_byte(std::size_t offset) const {
  offset = std::min(offset, dimensione_);
  const std::size_t r = riga(offset);
  return {r, std::min(offset, fini_[r]) - inizi_[r]};
}

std::size_t indice_righe::offset_di(punto_riga p) const {
  if (p.riga >= inizi_.size()) return dimensione_;
  return inizi_[p.riga] + std::min(p.colonna, fini_[p.riga] - inizi_[p.riga]);
}

punto_riga indice_righe::in_utf16(std::string_view utf8, std::size_t offset) const {
  offset = std::min(offset, dimensione_);
  const std::size_t r = riga(offset);
  return {r, unita_utf16(utf8, inizi_[r], std::min(offset, fini_[r]))};
}

std::size_t indice_righe::offset_di_utf16(std::string_view utf8, punto_riga p) const {
  if (p.riga >= inizi_.size()) return dimensione_;
  std::size_t i = inizi_[p.riga], unita = 0;
  while (i < fini_[p.riga] && unita < p.colonna) {
    const codice_utf8 c = leggi_codice_utf8(utf8, i);
    unita += c.codice >= 0x10000 ? 2 : 1;
    i += c.lunghezza;
  }
  return std::min(i, fini_[p.riga]);
}

posizione_riga posizione_1(const indice_righe& r, std::size_t offset) {
  const punto_riga p = r.in_byte(offset);
  return {p.riga + 1, p.colonna + 1};
}

std::size_t unita_utf16(std::string_view utf8, std::size_t da, std::size_t a) {
  std::size_t unita = 0;
  a = std::min(a, utf8.size());
  for (std::size_t i = da; i < a && !a_capo(utf8[i]);) {
    const codice_utf8 c = leggi_codice_utf8(utf8, i);
    unita += c.codice >= 0x10000 ? 2 : 1;
    i += c.lunghezza;
  }
  return unita;
}

std::size_t avanza_caratteri(std::string_view utf8, std::size_t da, std::size_t caratteri) {
  std::size_t i = da;
  for (; caratteri > 0 && i < utf8.size() && !a_capo(utf8[i]); --caratteri) i += leggi_codice_utf8(utf8, i).lunghezza;
  return std::min(i, utf8.size());
}

std::size_t caratteri_tra(std::string_view utf8, std::size_t da, std::size_t a) {
  std::size_t n = 0;
  a = std::min(a, utf8.size());
  for (std::size_t i = da; i < a && !a_capo(utf8[i]); ++n) i += leggi_codice_utf8(utf8, i).lunghezza;
  return n;
}
