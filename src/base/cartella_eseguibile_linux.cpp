#if !defined(_WIN32)
#include <filesystem>
#include <system_error>

#include "base/cartella_eseguibile.h"

// The link itself opens the running file even when its name has been
// replaced or removed meanwhile.
std::filesystem::path percorso_eseguibile() { return "/proc/self/exe"; }

std::filesystem::path cartella_eseguibile() {
  std::error_code ec;
  std::filesystem::path eseguibile = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path();
  return eseguibile.parent_path();
}
#endif
