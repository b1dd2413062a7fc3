#pragma once
#if defined(_WIN32)
#include <string>

// Text between the program (UTF-8) and the Win32 API (UTF-16).
std::wstring testo_largo(const std::string& utf8);
std::string testo_utf8(const std::wstring& largo);
#endif
