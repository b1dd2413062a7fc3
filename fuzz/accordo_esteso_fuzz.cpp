#include "bersagli.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  bersaglio_accordo_esteso(dati, n);
  return 0;
}
