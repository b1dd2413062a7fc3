#include "content/scrivi_righe.h"

#include "base/cartella.h"

std::string testo_righe(std::span<const std::string_view> righe) {
  std::string testo;
  for (std::size_t i = 0; i < righe.size() && i < capienza_tabella; ++i) {
    if (righe[i] == fine_tabella) break;
    testo += righe[i];
    testo += "\r\n";
  }
  return testo;
}

void scrivi_righe(cartella_file& cartella, const std::string& nome, std::span<const std::string_view> righe) {
  verifica(cartella.sostituisci(nome, testo_righe(righe)));
}
