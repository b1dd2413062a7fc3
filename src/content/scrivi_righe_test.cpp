#include "content/scrivi_righe.h"

#include <gtest/gtest.h>

#include "test_support/form_di_prova.h"

namespace {

TEST(ScriviRighe, WritesBytesAsTheyStandWithCrLfUpToTheEndMarker) {
  cartella_memoria cartella;
  scrivi_tutto(cartella, "x.txt", std::string(5000, 'z'));  // an older, longer file
  const std::string_view righe[] = {"",
                                    "a\xB0"
                                    "b",
                                    "  ", "riferimento fine del file", "dopo"};
  scrivi_righe(cartella, "x.txt", righe);
  EXPECT_EQ(leggi_tutto(cartella, "x.txt"),
            "\r\na\xB0"
            "b\r\n  \r\n");
}

TEST(ScriviRighe, EndMarkerInSlotZeroGivesAnEmptyFile) {
  cartella_memoria cartella;
  const std::string_view righe[] = {"riferimento fine del file", "x"};
  scrivi_righe(cartella, "vuoto.txt", righe);
  EXPECT_TRUE(cartella.esiste("vuoto.txt"));
  EXPECT_EQ(leggi_tutto(cartella, "vuoto.txt"), "");
}

TEST(ScriviRighe, OnlyAnExactMatchEndsTheTable) {
  const std::string_view righe[] = {"Riferimento fine del file", "riferimento fine del file "};
  EXPECT_EQ(testo_righe(righe), "Riferimento fine del file\r\nriferimento fine del file \r\n");
}

}  // namespace
