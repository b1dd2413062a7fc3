#if defined(_WIN32)
#include <windows.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "base/cartella_eseguibile.h"

std::filesystem::path percorso_eseguibile() {
  // The name may be longer than MAX_PATH ("\\?\" paths): the buffer grows
  // until the whole name fits (a cut name fills the buffer exactly).
  std::wstring nome(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, nome.data(), static_cast<DWORD>(nome.size()));
    if (n == 0) break;
    if (n < nome.size()) return std::filesystem::path(nome.substr(0, n));
    if (nome.size() >= 32768) break;
    nome.resize(nome.size() * 2);
  }
  return {};
}

std::filesystem::path cartella_eseguibile() {
  const std::filesystem::path eseguibile = percorso_eseguibile();
  if (!eseguibile.empty()) return eseguibile.parent_path();
  std::error_code ec;
  return std::filesystem::current_path(ec);
}
#endif
