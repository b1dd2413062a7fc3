#include "bersagli.h"

// Freed blocks are held back from reuse (to catch a use after free) up to 16
// MB instead of 256: a check frees a cell array at each compile (the plan only
// when it reads the line), and the default held the process at 400 MB, 32 MB
// at just over 100. 16 MB holds what several compiles of the 3 km line free,
// so a block read soon after its free is still caught.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  bersaglio_lsp(dati, n);
  return 0;
}
