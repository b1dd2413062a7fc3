#if !defined(_WIN32)
#include <filesystem>
#include <system_error>

#include "base/cartella_eseguibile.h"

std::filesystem::path percorso_eseguibile() {
  std::error_code ec;
  return std::filesystem::read_symlink("/proc/self/exe", ec);
}

std::filesystem::path cartella_eseguibile() {
  const std::filesystem::path eseguibile = percorso_eseguibile();
  if (eseguibile.empty()) return std::filesystem::current_path();
  return eseguibile.parent_path();
}
#endif
