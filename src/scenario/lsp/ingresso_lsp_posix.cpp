#if !defined(_WIN32)
#include <unistd.h>

#include <cerrno>

#include "scenario/lsp/ingresso_lsp.h"

void flussi_binari() {}

std::size_t leggi_ingresso(char* dati, std::size_t n) {
  for (;;) {
    const ssize_t letti = ::read(0, dati, n);
    if (letti >= 0) return static_cast<std::size_t>(letti);
    if (errno != EINTR) return 0;
  }
}
#endif
