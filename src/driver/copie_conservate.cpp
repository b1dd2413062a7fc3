#include "driver/copie_conservate.h"

#include "base/cartella.h"

namespace {

// NAME.bak, then NAME.2.bak, NAME.3.bak...: the first one not in the folder.
std::string nome_libero(const cartella_file& cartella, const std::string& nome) {
  std::string copia = nome + ".bak";
  for (int n = 2; cartella.esiste(copia); ++n) copia = nome + "." + std::to_string(n) + ".bak";
  return copia;
}

}  // namespace

std::vector<std::string> conserva_file_altrui(cartella_file& cartella, std::span<const file_previsto> previsti) {
  std::vector<std::string> avvisi;
  for (const file_previsto& p : previsti) {
    std::string presenti;
    const stato s = cartella.leggi(p.nome, presenti);
    if (s.genere() == genere_stato::non_trovato) continue;
    verifica(s);
    if (presenti == p.byte) continue;
    const std::string copia = nome_libero(cartella, p.nome);
    verifica(cartella.sostituisci(copia, presenti));
    avvisi.push_back(p.nome + " era gi\xC3\xA0 nella cartella con un altro contenuto: conservato come " + copia);
  }
  return avvisi;
}
