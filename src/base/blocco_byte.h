#pragma once
#include <cstddef>
#include <string_view>

// Bytes in one allocation of their own, all zero when made. A large block
// comes from fresh pages of the system, so making it costs nothing until its
// bytes are written, and it can be handed on (moved) or shortened without a
// copy: the plan is built in one and written to its file from the same one.
class blocco_byte {
 public:
  blocco_byte() = default;
  explicit blocco_byte(std::size_t n);
  // A block about to be written through. Where the system allows it, a large
  // one is given its own pages, whole 2 MiB pages where they fit, made ready
  // in one go: first writes then cost no fault per 4 KiB page (on a virtual
  // machine each such fault is dear).
  static blocco_byte da_riempire(std::size_t n);

  blocco_byte(blocco_byte&& altro) noexcept;
  blocco_byte& operator=(blocco_byte&& altro) noexcept;
  // A copy is a block of its own with the same bytes.
  blocco_byte(const blocco_byte& altro);
  blocco_byte& operator=(const blocco_byte& altro);
  ~blocco_byte() { libera(); }

  char* data() { return dati_; }
  const char* data() const { return dati_; }
  std::size_t size() const { return n_; }
  std::string_view vista() const { return {dati_, n_}; }
  operator std::string_view() const { return vista(); }

  // Keeps the first n bytes (n no more than the size) and gives the rest back.
  void accorcia(std::size_t n);

  friend bool operator==(const blocco_byte& a, std::string_view b) { return a.vista() == b; }

 private:
  void libera();

  char* dati_ = nullptr;
  std::size_t n_ = 0;
  std::size_t pagine_ = 0;  // bytes of the pages of its own, 0 for a block of the heap
};
