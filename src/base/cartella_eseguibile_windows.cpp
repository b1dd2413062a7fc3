#if defined(_WIN32)
#include <windows.h>

#include <filesystem>

#include "base/cartella_eseguibile.h"

std::filesystem::path cartella_eseguibile() {
  wchar_t nome[32768];
  DWORD n = GetModuleFileNameW(nullptr, nome, static_cast<DWORD>(std::size(nome)));
  return std::filesystem::path(std::wstring(nome, n)).parent_path();
}
#endif
