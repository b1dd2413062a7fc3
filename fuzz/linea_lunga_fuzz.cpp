#include "bersagli.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
  bersaglio_linea_lunga(dati, n);
  return 0;
}
