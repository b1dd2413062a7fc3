#pragma once
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string_view>
#include <utility>

// Bytes in one allocation of their own, all zero when made. A large block
// comes from fresh pages of the system, so making it costs nothing until its
// bytes are written, and it can be handed on (moved) or shortened without a
// copy: the plan is built in one and written to its file from the same one.
class blocco_byte {
 public:
  blocco_byte() = default;
  explicit blocco_byte(std::size_t n) : dati_(n ? static_cast<char*>(std::calloc(n, 1)) : nullptr), n_(n) {
    if (n && !dati_) throw std::bad_alloc();
  }
  // A block about to be written through: its pages are made ready in one go
  // where the system allows it, rather than one fault at a time on first write.
  static blocco_byte da_riempire(std::size_t n);
  blocco_byte(blocco_byte&& altro) noexcept
      : dati_(std::exchange(altro.dati_, nullptr)), n_(std::exchange(altro.n_, 0)) {}
  blocco_byte& operator=(blocco_byte&& altro) noexcept {
    if (this != &altro) {
      std::free(dati_);
      dati_ = std::exchange(altro.dati_, nullptr);
      n_ = std::exchange(altro.n_, 0);
    }
    return *this;
  }
  // A copy is a block of its own with the same bytes.
  blocco_byte(const blocco_byte& altro) : blocco_byte(altro.n_) {
    if (n_) std::memcpy(dati_, altro.dati_, n_);
  }
  blocco_byte& operator=(const blocco_byte& altro) {
    if (this != &altro) *this = blocco_byte(altro);
    return *this;
  }
  ~blocco_byte() { std::free(dati_); }

  char* data() { return dati_; }
  const char* data() const { return dati_; }
  std::size_t size() const { return n_; }
  std::string_view vista() const { return {dati_, n_}; }
  operator std::string_view() const { return vista(); }

  // Keeps the first n bytes (n no more than the size) and gives the rest back.
  void accorcia(std::size_t n) {
    if (n >= n_) return;
    if (n == 0) {
      std::free(std::exchange(dati_, nullptr));
    } else if (void* minore = std::realloc(dati_, n)) {
      dati_ = static_cast<char*>(minore);
    }
    n_ = n;
  }

  friend bool operator==(const blocco_byte& a, std::string_view b) { return a.vista() == b; }

 private:
  char* dati_ = nullptr;
  std::size_t n_ = 0;
};
