#include "scenario/lsp/documento.h"

#include <algorithm>

namespace {
constexpr std::string_view bom = "\xEF\xBB\xBF";
}  // namespace

documento::documento(std::string uri, std::int64_t versione, std::string utf8) : uri_(std::move(uri)) {
  sostituisci(versione, std::move(utf8));
}

void documento::sostituisci(std::int64_t versione, std::string utf8) {
  versione_ = versione;
  utf8_ = std::move(utf8);
  ricalcola();
}

std::string_view documento::corpo() const { return std::string_view(utf8_).substr(bom_ ? bom.size() : 0); }

void documento::ricalcola() {
  bom_ = utf8_.starts_with(bom);
  t_ = converti_in_1252(corpo());
  righe_utf8_ = indice_righe(corpo());
  righe_byte_ = indice_righe(t_.byte);
}

std::size_t documento::offset_utf8(posizione_lsp p) const {
  if (p.riga >= righe_utf8_.righe()) return utf8_.size();
  std::size_t carattere = p.carattere;
  // The mark is one unit at the start of the first line, before the bytes.
  if (p.riga == 0 && bom_) {
    if (carattere == 0) return 0;
    --carattere;
  }
  return (bom_ ? bom.size() : 0) + righe_utf8_.offset_di_utf16(corpo(), {p.riga, carattere});
}

void documento::modifica(std::int64_t versione, const intervallo_lsp& r, std::string_view testo) {
  std::size_t da = offset_utf8(r.inizio), a = offset_utf8(r.fine);
  if (a < da) std::swap(da, a);
  utf8_.replace(da, a - da, testo);
  versione_ = versione;
  ricalcola();
}

std::size_t documento::offset_di(posizione_lsp p) const {
  if (p.riga >= righe_byte_.righe()) return t_.byte.size();
  const std::size_t marca = bom_ ? bom.size() : 0;
  const std::size_t u = std::max(offset_utf8(p), marca) - marca;
  // As many bytes into the line as characters before u.
  return righe_byte_.offset_di({p.riga, caratteri_tra(corpo(), righe_utf8_.inizio(p.riga), u)});
}

posizione_lsp documento::posizione_di(std::size_t offset) const {
  const punto_riga b = righe_byte_.in_byte(offset);
  const std::size_t da = righe_utf8_.inizio(b.riga);
  const std::size_t unita = unita_utf16(corpo(), da, avanza_caratteri(corpo(), da, b.colonna));
  return {b.riga, unita + (b.riga == 0 && bom_ ? 1 : 0)};
}
