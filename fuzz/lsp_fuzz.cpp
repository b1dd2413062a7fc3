#include "bersagli.h"

// Freed blocks are held back from reuse (to catch a use after free) up to 32
// MB instead of 256: a check frees a plan and a cell array at each compile,
// and the default held the process at 400 MB. 32 MB is more than one input
// frees, so a block read after its free within the input is still caught.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=32"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  bersaglio_lsp(dati, n);
  return 0;
}
