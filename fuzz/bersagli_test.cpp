// Replays every saved fuzz input (the seed corpus and the inputs that once
// crashed, kept as regressions) through the targets' bodies, so that the
// sanitizer build of the suite checks them on every run.
#include "bersagli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

void riproduci(const std::string& cartella, void (*bersaglio)(const std::uint8_t*, std::size_t)) {
  const fs::path dir = fs::path(VELSTRA_SOURCE_DIR) / "fuzz" / cartella;
  if (!fs::exists(dir)) return;
  for (const auto& e : fs::recursive_directory_iterator(dir)) {
    if (!e.is_regular_file()) continue;
    std::ifstream in(e.path(), std::ios::binary);
    std::string dati((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SCOPED_TRACE(e.path().string());
    bersaglio(reinterpret_cast<const std::uint8_t*>(dati.data()), dati.size());
  }
}

TEST(FuzzRegressioni, Compilatore) {
  riproduci("corpus/compilatore", bersaglio_compilatore);
  riproduci("regressioni/compilatore", bersaglio_compilatore);
}
TEST(FuzzRegressioni, Linea) {
  riproduci("corpus/linea", bersaglio_linea);
  riproduci("regressioni/linea", bersaglio_linea);
}
TEST(FuzzRegressioni, Treno) {
  riproduci("corpus/treno", bersaglio_treno);
  riproduci("regressioni/treno", bersaglio_treno);
}

TEST(FuzzRegressioni, Decodifica) {
  riproduci("corpus/decodifica", bersaglio_decodifica);
  riproduci("regressioni/decodifica", bersaglio_decodifica);
}

}  // namespace
