#include "content/scrivi_righe.h"

#include "base/file_system.h"

std::string testo_righe(std::span<const std::string_view> righe) {
  std::string testo;
  for (std::size_t i = 0; i < righe.size() && i < capienza_tabella; ++i) {
    if (righe[i] == fine_tabella) break;
    testo += righe[i];
    testo += "\r\n";
  }
  return testo;
}

void scrivi_righe(const std::filesystem::path& file, std::span<const std::string_view> righe) {
  sostituisci_file(file, testo_righe(righe));
}
