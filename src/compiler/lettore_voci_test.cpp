#include "compiler/lettore_voci.h"

#include <gtest/gtest.h>

#include "base/stato.h"

namespace {

TEST(LettoreVoci, NumbersAndTextsSplitOnCommasBlanksAndLineEnds) {
  lettore_voci in;
  apri_lettore_da_testo("orologio,    13              14            15 \r\npendenza,  9800,   -3\nx\ry", in);
  EXPECT_EQ(leggi_voce(in), "orologio");
  EXPECT_EQ(leggi_numero(in), 13);
  EXPECT_EQ(in.dati.substr(in.inizio_voce, in.fine_voce - in.inizio_voce), "13");
  EXPECT_EQ(leggi_numero(in), 14);
  EXPECT_EQ(leggi_numero(in), 15);
  EXPECT_EQ(leggi_voce(in), "pendenza");
  EXPECT_EQ(leggi_numero(in), 9800);
  EXPECT_EQ(leggi_numero(in), -3);
  EXPECT_EQ(leggi_voce(in), "x");
  EXPECT_FALSE(fine_file(in));
  EXPECT_EQ(leggi_voce(in), "y");
  EXPECT_TRUE(fine_file(in));
  EXPECT_THROW(leggi_voce(in), interruzione);
  EXPECT_THROW(leggi_numero(in), interruzione);
}

TEST(LettoreVoci, TextKeepsInnerBlanksAndQuotesDropsTrailingBlanks) {
  lettore_voci in;
  apri_lettore_da_testo("  ( INIZIO  )(PONTE SUL) \t,\"a b\"\r\n\r\nz", in);
  EXPECT_EQ(leggi_voce(in), "( INIZIO  )(PONTE SUL)");
  EXPECT_EQ(in.inizio_voce, 2u);
  EXPECT_EQ(in.fine_voce, 24u);  // before the trailing blanks
  EXPECT_EQ(leggi_voce(in), "\"a b\"");
  EXPECT_EQ(leggi_voce(in), "");  // an empty line is an empty item
  EXPECT_EQ(leggi_voce(in), "z");
  EXPECT_TRUE(fine_file(in));
}

TEST(LettoreVoci, EndOfFileComesWithTheLastItemsSeparator) {
  lettore_voci in;
  apri_lettore_da_testo("[fine]\r\n", in);
  EXPECT_EQ(leggi_voce(in), "[fine]");
  EXPECT_TRUE(fine_file(in));
  apri_lettore_da_testo("", in);
  EXPECT_TRUE(fine_file(in));
  EXPECT_THROW(leggi_voce(in), interruzione);
}

TEST(LettoreVoci, NumberConversion) {
  struct caso {
    const char* testo;
    std::int32_t atteso;
  };
  const caso casi[] = {
      {"12abc", 12},
      {"abc12", 0},
      {"", 0},
      {"AC", 0},
      {"2.5", 2},
      {"3.5", 4},
      {"2.5000001", 3},
      {"2.4999", 2},
      {"-2.5", -2},
      {"-3.5", -4},
      {"-0.5", 0},
      {"+7", 7},
      {"0.5", 0},
      {"1.", 1},
      {"-", 0},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483646.5", 2147483646},
      {"000123", 123},
      // no digit before the point: the fraction alone is the number
      {".7", 1},
      {".5", 0},
      {".51", 1},
      {".4", 0},
      {"-.7", -1},
      {"+.6", 1},
      {".", 0},
      {".x", 0},
  };
  for (const auto& c : casi) {
    std::int32_t v = -99;
    EXPECT_TRUE(converti_numero(c.testo, v)) << c.testo;
    EXPECT_EQ(v, c.atteso) << c.testo;
  }
  for (const char* fuori : {"2147483648", "-2147483649", "2147483647.5", "99999999999999999999999"}) {
    std::int32_t v = 0;
    EXPECT_FALSE(converti_numero(fuori, v)) << fuori;
  }
}

// An author who writes a value without its leading zero gets it rounded to
// the nearest whole number, as any other value with a fraction.
TEST(LettoreVoci, NumberItemWithoutALeadingZero) {
  lettore_voci in;
  apri_lettore_da_testo("pendenza,  .7,   -.6\r\nsabbia, .3\r\n", in);
  EXPECT_EQ(leggi_voce(in), "pendenza");
  EXPECT_EQ(leggi_numero(in), 1);
  EXPECT_EQ(leggi_numero(in), -1);
  EXPECT_EQ(leggi_voce(in), "sabbia");
  EXPECT_EQ(leggi_numero(in), 0);
  EXPECT_TRUE(fine_file(in));
}

TEST(LettoreVoci, OutOfRangeNumberAndOverlongTextFailTheRead) {
  lettore_voci in;
  apri_lettore_da_testo("3000000000,x", in);
  EXPECT_THROW(leggi_numero(in), interruzione);
  apri_lettore_da_testo(std::string(65535, 'a') + "," + std::string(65536, 'b'), in);
  EXPECT_EQ(leggi_voce(in).size(), 65535u);
  EXPECT_THROW(leggi_voce(in), interruzione);
}

}  // namespace
