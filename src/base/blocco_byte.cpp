#include "base/blocco_byte.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#endif

blocco_byte::blocco_byte(std::size_t n) : dati_(n ? static_cast<char*>(std::calloc(n, 1)) : nullptr), n_(n) {
  if (n && !dati_) throw std::bad_alloc();
}

#if defined(__linux__)
namespace {
constexpr std::size_t pagina_grande = std::size_t{2} << 20;

std::size_t pagina() { return static_cast<std::size_t>(sysconf(_SC_PAGESIZE)); }
std::size_t arrotonda(std::size_t n, std::size_t a) { return (n + a - 1) / a * a; }
}  // namespace

blocco_byte blocco_byte::da_riempire(std::size_t n) {
  if (n < pagina_grande) return blocco_byte(n);
  // Its last 2 MiB page whole too when that adds no more than an eighth of its
  // size: it never holds much more memory than it needs.
  std::size_t lunghezza = arrotonda(n, pagina());
  if (arrotonda(n, pagina_grande) - n <= n / 8) lunghezza = arrotonda(n, pagina_grande);
  // Room to start on a 2 MiB boundary; what lies outside the block is given back at once.
  void* spazio = mmap(nullptr, lunghezza + pagina_grande, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (spazio == MAP_FAILED) throw std::bad_alloc();
  const auto base = reinterpret_cast<std::uintptr_t>(spazio);
  const std::uintptr_t inizio = arrotonda(base, pagina_grande);
  if (inizio > base) munmap(spazio, inizio - base);
  const std::uintptr_t fine_spazio = base + lunghezza + pagina_grande;
  if (fine_spazio > inizio + lunghezza)
    munmap(reinterpret_cast<void*>(inizio + lunghezza), fine_spazio - inizio - lunghezza);

  blocco_byte b;
  b.dati_ = reinterpret_cast<char*>(inizio);
  b.n_ = n;
  b.pagine_ = lunghezza;
  // Advice only: a system that refuses it gives 4 KiB pages, one fault each.
#if defined(MADV_HUGEPAGE)
  madvise(b.dati_, lunghezza / pagina_grande * pagina_grande, MADV_HUGEPAGE);
#endif
#if defined(MADV_POPULATE_WRITE)
  madvise(b.dati_, lunghezza, MADV_POPULATE_WRITE);
#endif
  return b;
}
#else
blocco_byte blocco_byte::da_riempire(std::size_t n) { return blocco_byte(n); }
#endif

blocco_byte::blocco_byte(blocco_byte&& altro) noexcept
    : dati_(std::exchange(altro.dati_, nullptr)),
      n_(std::exchange(altro.n_, 0)),
      pagine_(std::exchange(altro.pagine_, 0)) {}

blocco_byte& blocco_byte::operator=(blocco_byte&& altro) noexcept {
  if (this != &altro) {
    libera();
    dati_ = std::exchange(altro.dati_, nullptr);
    n_ = std::exchange(altro.n_, 0);
    pagine_ = std::exchange(altro.pagine_, 0);
  }
  return *this;
}

blocco_byte::blocco_byte(const blocco_byte& altro) : blocco_byte(altro.n_) {
  if (n_) std::memcpy(dati_, altro.dati_, n_);
}

blocco_byte& blocco_byte::operator=(const blocco_byte& altro) {
  if (this != &altro) *this = blocco_byte(altro);
  return *this;
}

void blocco_byte::accorcia(std::size_t n) {
  if (n >= n_) return;
  if (n == 0) {
    libera();
    return;
  }
#if defined(__linux__)
  if (pagine_ != 0) {
    // The whole pages past the new end go back to the system.
    const std::size_t tenute = arrotonda(n, pagina());
    if (tenute < pagine_) munmap(dati_ + tenute, pagine_ - tenute);
    pagine_ = tenute;
    n_ = n;
    return;
  }
#endif
  if (void* minore = std::realloc(dati_, n)) dati_ = static_cast<char*>(minore);
  n_ = n;
}

void blocco_byte::libera() {
#if defined(__linux__)
  if (pagine_ != 0)
    munmap(dati_, pagine_);
  else
    std::free(dati_);
#else
  std::free(dati_);
#endif
  dati_ = nullptr;
  n_ = 0;
  pagine_ = 0;
}
