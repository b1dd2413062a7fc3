#if !defined(_WIN32)
#include <filesystem>
#include <system_error>

#include "base/cartella_eseguibile.h"

std::filesystem::path cartella_eseguibile() {
  std::error_code ec;
  std::filesystem::path eseguibile = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path();
  return eseguibile.parent_path();
}
#endif
