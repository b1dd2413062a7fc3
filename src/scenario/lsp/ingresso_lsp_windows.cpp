#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "scenario/lsp/ingresso_lsp.h"

void flussi_binari() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
}

std::size_t leggi_ingresso(char* dati, std::size_t n) {
  const int letti = _read(0, dati, static_cast<unsigned>(n > 1u << 20 ? 1u << 20 : n));
  return letti > 0 ? static_cast<std::size_t>(letti) : 0;
}
#endif
