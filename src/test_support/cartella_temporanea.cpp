#include "test_support/cartella_temporanea.h"

#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

cartella_temporanea::cartella_temporanea() {
  std::random_device rd;
  auto base = std::filesystem::temp_directory_path();
  for (;;) {
    percorso = base / ("velstra_test_" + std::to_string(rd()) + std::to_string(rd()));
    std::error_code ec;
    if (std::filesystem::create_directory(percorso, ec)) break;
  }
}

cartella_temporanea::~cartella_temporanea() {
  std::error_code ec;
  std::filesystem::permissions(percorso, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(percorso, ec);
}

std::string leggi_tutto(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void scrivi_tutto(const std::filesystem::path& file, const std::string& byte) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(byte.data(), static_cast<std::streamsize>(byte.size()));
}
