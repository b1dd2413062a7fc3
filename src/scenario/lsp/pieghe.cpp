#include "scenario/lsp/pieghe.h"

namespace {
bool vuoto(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

nlohmann::json pieghe_documento(const documento& d, const struttura_sorgente& s) {
  nlohmann::json v = nlohmann::json::array();
  const std::string& t = d.byte();
  for (std::size_t h = 0; h < s.intestazioni.size(); ++h) {
    const intestazione_struttura& i = s.intestazioni[h];
    std::size_t fine = h + 1 < s.intestazioni.size() ? s.intestazioni[h + 1].inizio : t.size();
    // Blank lines before the next header stay out of the fold.
    while (fine > i.fine && vuoto(t[fine - 1])) --fine;
    const std::size_t prima = d.posizione_di(i.inizio).riga, ultima = d.posizione_di(fine).riga;
    if (ultima > prima) v.push_back({{"startLine", prima}, {"endLine", ultima}, {"kind", "region"}});
  }
  return v;
}
