#pragma once
#include <filesystem>

// A fresh folder of the tool's own under the system's temporary folder,
// removed with its content when the object goes. Throws errore_file_system
// when none can be made.
struct cartella_privata {
  std::filesystem::path percorso;
  cartella_privata();
  ~cartella_privata();
  cartella_privata(const cartella_privata&) = delete;
  cartella_privata& operator=(const cartella_privata&) = delete;
};
