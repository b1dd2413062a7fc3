#if defined(_WIN32)
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <streambuf>
#include <string>

#include "scenario/comandi/console_utf8.h"

namespace {

// The tool's text is UTF-8. A console shows it right only as UTF-16 through
// WriteConsoleW, whatever its code page and font; a pipe or a file gets the
// UTF-8 bytes as they are.
class buffer_console final : public std::streambuf {
 public:
  explicit buffer_console(HANDLE h) : h_(h) {}

 protected:
  int_type overflow(int_type c) override {
    if (c != traits_type::eof()) {
      attesa_.push_back(static_cast<char>(c));
      if (c == '\n' || attesa_.size() >= 4096) scrivi(false);
    }
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    attesa_.append(s, static_cast<std::size_t>(n));
    scrivi(false);
    return n;
  }
  int sync() override {
    scrivi(true);
    return 0;
  }

 private:
  // Writes what is waiting, up to the last whole UTF-8 sequence unless tutto:
  // a character split between two writes is kept for the next one.
  void scrivi(bool tutto) {
    std::size_t fine = attesa_.size();
    if (!tutto) {
      std::size_t i = fine;
      while (i > 0 && i + 4 > fine && (static_cast<unsigned char>(attesa_[i - 1]) & 0xC0) == 0x80) --i;
      if (i > 0) {
        const unsigned char guida = static_cast<unsigned char>(attesa_[i - 1]);
        const std::size_t lunghezza = guida >= 0xF0 ? 4 : guida >= 0xE0 ? 3 : guida >= 0xC0 ? 2 : 1;
        if (i - 1 + lunghezza > fine) fine = i - 1;
      }
    }
    if (fine == 0) return;
    const int n = MultiByteToWideChar(CP_UTF8, 0, attesa_.data(), static_cast<int>(fine), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, attesa_.data(), static_cast<int>(fine), w.data(), n);
    DWORD scritti = 0;
    WriteConsoleW(h_, w.data(), static_cast<DWORD>(w.size()), &scritti, nullptr);
    attesa_.erase(0, fine);
  }

  HANDLE h_;
  std::string attesa_;
};

bool e_console(HANDLE h) {
  DWORD modo = 0;
  return h != INVALID_HANDLE_VALUE && h != nullptr && GetConsoleMode(h, &modo);
}

}  // namespace

void console_utf8() {
  SetConsoleOutputCP(CP_UTF8);
  const HANDLE uscita = GetStdHandle(STD_OUTPUT_HANDLE);
  const HANDLE errori = GetStdHandle(STD_ERROR_HANDLE);
  if (e_console(uscita)) {
    static buffer_console b(uscita);
    std::cout.flush();
    std::cout.rdbuf(&b);
  }
  if (e_console(errori)) {
    static buffer_console b(errori);
    std::cerr.rdbuf(&b);
    std::cerr.setf(std::ios::unitbuf);
  }
}
#endif
