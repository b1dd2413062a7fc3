#if defined(_WIN32)
#include <windows.h>

#include <stdio.h>

#include "base/sostituzione.h"

// Paths stay wide from end to end, so a folder such as "Niccolò" works
// whatever the system's ANSI code page.
std::FILE* apri_in_scrittura(const std::filesystem::path& file) { return _wfopen(file.c_str(), L"wb"); }

std::error_code sposta_al_posto(const std::filesystem::path& da, const std::filesystem::path& a) {
  if (MoveFileExW(da.c_str(), a.c_str(), MOVEFILE_REPLACE_EXISTING)) return {};
  return std::error_code(static_cast<int>(GetLastError()), std::system_category());
}
#endif
