#if defined(_WIN32)
#include "base/testo_windows.h"

#include <windows.h>

std::wstring testo_largo(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring largo(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), largo.data(), n);
  return largo;
}

std::string testo_utf8(const std::wstring& largo) {
  if (largo.empty()) return {};
  const int n =
      WideCharToMultiByte(CP_UTF8, 0, largo.data(), static_cast<int>(largo.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, largo.data(), static_cast<int>(largo.size()), utf8.data(), n, nullptr, nullptr);
  return utf8;
}
#endif
