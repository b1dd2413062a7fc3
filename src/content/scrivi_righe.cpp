#include "content/scrivi_righe.h"

#include "base/cartella.h"

std::string testo_righe(std::span<const std::string_view> righe) {
  std::size_t quante = 0, totale = 0;
  for (; quante < righe.size() && quante < capienza_tabella && righe[quante] != fine_tabella; ++quante)
    totale += righe[quante].size() + 2;
  // One text of the file's size, each line copied once.
  std::string testo;
  testo.reserve(totale);
  for (std::size_t i = 0; i < quante; ++i) {
    testo += righe[i];
    testo += "\r\n";
  }
  return testo;
}

void scrivi_righe(cartella_file& cartella, const std::string& nome, std::span<const std::string_view> righe) {
  verifica(cartella.sostituisci(nome, testo_righe(righe)));
}
