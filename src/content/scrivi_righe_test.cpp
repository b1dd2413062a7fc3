#include "content/scrivi_righe.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support/cartella_temporanea.h"

namespace {

TEST(ScriviRighe, WritesBytesAsTheyStandWithCrLfUpToTheEndMarker) {
  cartella_temporanea dir;
  const auto file = dir.percorso / "x.txt";
  scrivi_tutto(file, std::string(5000, 'z'));  // an older, longer file
  const std::string_view righe[] = {"", "a\xB0" "b", "  ", "riferimento fine del file", "dopo"};
  scrivi_righe(file, righe);
  EXPECT_EQ(leggi_tutto(file), "\r\na\xB0" "b\r\n  \r\n");
}

TEST(ScriviRighe, EndMarkerInSlotZeroGivesAnEmptyFile) {
  cartella_temporanea dir;
  const auto file = dir.percorso / "vuoto.txt";
  const std::string_view righe[] = {"riferimento fine del file", "x"};
  scrivi_righe(file, righe);
  EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(std::filesystem::file_size(file), 0u);
}

TEST(ScriviRighe, OnlyAnExactMatchEndsTheTable) {
  const std::string_view righe[] = {"Riferimento fine del file", "riferimento fine del file "};
  EXPECT_EQ(testo_righe(righe), "Riferimento fine del file\r\nriferimento fine del file \r\n");
}

}  // namespace
