#include "scenario/lsp/documento.h"

#include <algorithm>

namespace {
constexpr std::string_view bom = "\xEF\xBB\xBF";

bool fine_riga(char c) { return c == '\r' || c == '\n'; }
}  // namespace

std::vector<std::size_t> inizi_righe(std::string_view t) {
  std::vector<std::size_t> v{0};
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
    if (fine_riga(t[i])) v.push_back(i + 1);
  }
  return v;
}

documento::documento(std::string uri, std::int64_t versione, std::string utf8) : uri_(std::move(uri)) {
  sostituisci(versione, std::move(utf8));
}

void documento::sostituisci(std::int64_t versione, std::string utf8) {
  versione_ = versione;
  utf8_ = std::move(utf8);
  ricalcola();
}

void documento::ricalcola() {
  bom_ = utf8_.starts_with(bom);
  const std::string_view corpo = std::string_view(utf8_).substr(bom_ ? bom.size() : 0);
  t_ = converti_in_1252(corpo);
  righe_utf8_ = inizi_righe(corpo);
  righe_byte_ = inizi_righe(t_.byte);
  if (bom_)
    for (std::size_t& r : righe_utf8_) r += bom.size();
}

std::size_t documento::offset_utf8(posizione_lsp p) const {
  if (p.riga >= righe_utf8_.size()) return utf8_.size();
  std::size_t i = righe_utf8_[p.riga];
  std::size_t unita = 0;
  std::size_t carattere = p.carattere;
  // The mark is one unit at the start of the first line, before the bytes.
  if (p.riga == 0 && bom_) {
    if (carattere == 0) return 0;
    --carattere;
  }
  while (i < utf8_.size() && !fine_riga(utf8_[i]) && unita < carattere) {
    const codice_utf8 c = leggi_codice_utf8(utf8_, i);
    unita += c.codice >= 0x10000 ? 2 : 1;
    i += c.lunghezza;
  }
  return i;
}

void documento::modifica(std::int64_t versione, const intervallo_lsp& r, std::string_view testo) {
  std::size_t da = offset_utf8(r.inizio), a = offset_utf8(r.fine);
  if (a < da) std::swap(da, a);
  utf8_.replace(da, a - da, testo);
  versione_ = versione;
  ricalcola();
}

std::size_t documento::offset_di(posizione_lsp p) const {
  if (p.riga >= righe_byte_.size()) return t_.byte.size();
  const std::size_t u = offset_utf8(p);
  // As many bytes into the line as code points before u.
  std::size_t i = righe_utf8_[p.riga], n = 0;
  while (i < u) {
    i += leggi_codice_utf8(utf8_, i).lunghezza;
    ++n;
  }
  return std::min(righe_byte_[p.riga] + n, t_.byte.size());
}

posizione_lsp documento::posizione_di(std::size_t offset) const {
  offset = std::min(offset, t_.byte.size());
  const auto dopo = std::upper_bound(righe_byte_.begin(), righe_byte_.end(), offset);
  const std::size_t riga = static_cast<std::size_t>(dopo - righe_byte_.begin()) - 1;
  std::size_t n = offset - righe_byte_[riga];
  std::size_t i = righe_utf8_[riga], unita = riga == 0 && bom_ ? 1 : 0;
  for (; n > 0 && i < utf8_.size(); --n) {
    const codice_utf8 c = leggi_codice_utf8(utf8_, i);
    unita += c.codice >= 0x10000 ? 2 : 1;
    i += c.lunghezza;
  }
  return {riga, unita};
}
