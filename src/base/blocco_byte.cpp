#include "base/blocco_byte.h"

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#endif

blocco_byte blocco_byte::da_riempire(std::size_t n) {
  blocco_byte b(n);
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
  // Whole pages only; a kernel without this advice refuses it and the pages
  // come one fault at a time as before.
  if (n > 0) {
    const auto pagina = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto inizio = reinterpret_cast<std::uintptr_t>(b.dati_) & ~(pagina - 1);
    const auto fine = reinterpret_cast<std::uintptr_t>(b.dati_) + n;
    madvise(reinterpret_cast<void*>(inizio), fine - inizio, MADV_POPULATE_WRITE);
  }
#endif
  return b;
}
