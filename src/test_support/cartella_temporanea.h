#pragma once
#include <filesystem>
#include <string>

// A fresh folder under the system's temporary folder, removed with its content.
struct cartella_temporanea {
  std::filesystem::path percorso;
  cartella_temporanea();
  ~cartella_temporanea();
  cartella_temporanea(const cartella_temporanea&) = delete;
  cartella_temporanea& operator=(const cartella_temporanea&) = delete;
};

// Whole file as bytes; empty when missing.
std::string leggi_tutto(const std::filesystem::path& file);
void scrivi_tutto(const std::filesystem::path& file, const std::string& byte);
