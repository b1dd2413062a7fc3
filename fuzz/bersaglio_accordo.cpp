// The tool's readings held against the compiler's on one scenario: what the
// compiler placed, every reader of the tool finds where the compiler put it.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "bersagli.h"
#include "model/form1.h"
#include "scenari_generati.h"
#include "scenario/documenti/documenti_scenario.h"
#include "scenario/documenti/tabella_documenti.h"

namespace {

[[noreturn]] void violato(const std::string& cosa) {
  std::fprintf(stderr, "invariant violated: %s\n", cosa.c_str());
  std::abort();
}

// The progressives as written of the train file's records of a keyword.
std::vector<std::string> progressive_scritte(std::string_view testo, std::string_view chiave) {
  std::vector<std::string> v;
  while (!testo.empty()) {
    const std::size_t fine = std::min(testo.find('\n'), testo.size());
    std::string_view riga = testo.substr(0, fine);
    testo.remove_prefix(std::min(fine + 1, testo.size()));
    if (!riga.starts_with(chiave)) continue;
    riga.remove_prefix(chiave.size());
    const std::size_t inizio = riga.find_first_of("0123456789");
    if (inizio == std::string_view::npos) continue;
    const std::size_t dopo = std::min(riga.find_first_not_of("0123456789", inizio), riga.size());
    v.emplace_back(riga.substr(inizio, dopo - inizio));
  }
  return v;
}

// The documents find every slowdown of the train file where the compiler
// put it: a prescription given at the progressive the author wrote is taken.
void accordo_documenti(const scenario_generato& g) {
  cartella_memoria c;
  Form1 nomi;
  nomi.nome_percorso = "Ac";
  nomi.numero_treno = "1";
  std::string tabella;
  for (const std::string& p : progressive_scritte(g.treno, "rallentamento,"))
    tabella += "prescrizioni, " + p + ", E\r\n";
  c.sostituisci(file_linea(nomi), g.linea);
  c.sostituisci(file_treno(nomi), g.treno);
  c.sostituisci(file_tabella_documenti(nomi.nome_percorso, nomi.numero_treno), tabella);
  const esito_documenti e = documenti_da_sorgenti(c, nomi);
  if (e.controllo.errori != 0) violato("check finds an error in sources that compile");
  if (!e.errori.empty()) violato("the documents miss a slowdown the compiler placed: " + e.errori[0]);
}

}  // namespace

void verifica_accordo(const scenario_generato& g) {
  if (!compila_senza_errori(g)) return;
  accordo_documenti(g);
}

void bersaglio_accordo(const std::uint8_t* dati, std::size_t n) {
  if (n == 0) return;
  if (dati[0] % 2 == 0) {
    std::uint64_t seme = 0;
    for (std::size_t k = 1; k < n && k < 9; ++k) seme = seme << 8 | dati[k];
    verifica_accordo(genera_scenario(seme));
    return;
  }
  const std::string_view testo(reinterpret_cast<const char*>(dati) + 1, n - 1);
  const std::size_t taglio = std::min(testo.find('\0'), testo.size());
  verifica_accordo({std::string(testo.substr(0, taglio)),
                    taglio < testo.size() ? std::string(testo.substr(taglio + 1)) : std::string()});
}
