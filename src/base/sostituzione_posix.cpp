#if !defined(_WIN32)
#include "base/sostituzione.h"

std::FILE* apri_in_scrittura(const std::filesystem::path& file) { return std::fopen(file.c_str(), "wb"); }

std::error_code sposta_al_posto(const std::filesystem::path& da, const std::filesystem::path& a) {
  std::error_code ec;
  std::filesystem::rename(da, a, ec);
  return ec;
}
#endif
