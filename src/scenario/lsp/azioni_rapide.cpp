#include "scenario/lsp/azioni_rapide.h"

#include <cstdlib>
#include <string_view>

#include "model/misure.h"
#include "scenario/sorgenti/scivoloni.h"

namespace {
bool solo_cifre(std::string_view t) {
  std::size_t i = (!t.empty() && t[0] == '-') ? 1 : 0;
  if (i == t.size()) return false;
  for (; i < t.size(); ++i)
    if (t[i] < '0' || t[i] > '9') return false;
  return true;
}
}  // namespace

std::vector<correzione> correzioni(const std::string& byte, const struttura_sorgente& s, std::size_t da,
                                   std::size_t a) {
  std::vector<correzione> v;
  for (const scivolone& x : scivoloni(byte, s))
    if (x.correzione && x.correzione->fine >= da && x.correzione->inizio <= a)
      v.push_back({x.correzione->titolo, x.correzione->inizio, x.correzione->fine, x.correzione->testo});
  for (const record_struttura& r : s.record) {
    if (r.inizio > a) break;
    for (std::size_t k = 0; k < r.campi.size(); ++k) {
      const voce_record& x = r.campi[k];
      const campo_record& c = r.forma->campi[k];
      if (x.fine < da || x.inizio > a || c.genere == genere_campo::testo) continue;
      const std::string_view t(byte.data() + x.inizio, x.fine - x.inizio);
      if (!c.intervallo.starts_with("multiplo di 50") || !solo_cifre(t) || x.numero % metri_cella == 0) continue;
      const std::int64_t resto = ((std::int64_t{x.numero} % metri_cella) + metri_cella) % metri_cella;
      if (resto == metri_cella / 2) continue;  // two multiples as near: no certain fix
      const std::int64_t vicino = std::int64_t{x.numero} - resto + (resto > metri_cella / 2 ? metri_cella : 0);
      v.push_back({"Scrivi " + std::to_string(vicino) + ", il multiplo di 50 pi\xC3\xB9 vicino", x.inizio, x.fine,
                   std::to_string(vicino)});
    }
  }
  return v;
}
