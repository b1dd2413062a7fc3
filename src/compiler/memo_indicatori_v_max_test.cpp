#include "compiler/memo_indicatori_v_max.h"

#include <gtest/gtest.h>

#include "base/stato.h"
#include "model/form1.h"
#include "test_support/form_di_prova.h"

namespace {

TEST(MemoIndicatoriVMax, PacksSpeedPairsAndBoardCodes) {
  struct caso {
    std::int32_t v[9];
    std::int32_t cella;
    std::int16_t atteso[4];
  };
  const caso casi[] = {
      {{18100, 140, 160, 160, 2, 140, 160, 160, 2}, 363, {2828, 3232, 3232, 22}},
      {{5050, 110, 115, 120, 0, 0, 0, 0, 0}, 102, {2200, 2300, 2400, 0}},
      {{25, 100, 0, 0, 1, 2, 0, 0, 3}, 2, {2000, 0, 0, 13}},  // 2/5 = 0.4 -> 0
      {{75, 0, 0, 0, 0, 3, 12, 13, 0}, 2, {1, 2, 3, 0}},      // 0.6 -> 1, 2.4 -> 2, 2.6 -> 3
      {{100, 0, 0, 0, 0, 12, 17, -12, 0}, 3, {2, 3, -2, 0}},  // 2.4, 3.4, -2.4
      {{100, -1, 2, 0, 0, 25, -35, -25, 0}, 3, {-15, 33, -5, 0}},
      {{100, 1638, -1638, 0, 0, 7, -7, 0, 0}, 3, {32761, -32761, 0, 0}},
      // Board codes on the low 16 bits of each, kept to 16 bits.
      {{100, 0, 0, 0, 3277, 0, 0, 0, 0}, 3, {0, 0, 0, -32766}},
      {{100, 0, 0, 0, 65537, 0, 0, 0, 65536 + 5}, 3, {0, 0, 0, 15}},
      {{100, 0, 0, 0, -1, 0, 0, 0, 0}, 3, {0, 0, 0, -10}},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.v[0]);
    Form1 f = modello_celle_vuote(400);
    memo_indicatori_v_max(f, c.v[0], c.v[1], c.v[2], c.v[3], c.v[4], c.v[5], c.v[6], c.v[7], c.v[8]);
    EXPECT_EQ(f.numero_errore, 0);
    const cella& z = f.cella_n(c.cella);
    EXPECT_EQ(z.tipo, cella_indicatore_vmax);
    EXPECT_EQ(z.valore_1, c.atteso[0]);
    EXPECT_EQ(z.valore_2, c.atteso[1]);
    EXPECT_EQ(z.valore_3, c.atteso[2]);
    EXPECT_EQ(z.valore_4, c.atteso[3]);
  }
}

TEST(MemoIndicatoriVMax, TakenCellIsErrorTwentyOneAndAMountainMarkerIsReplaced) {
  const std::uint8_t occupati[] = {cella_segnale, cella_indicatore_vmax, cella_cartello_indicatore, cella_codice};
  for (std::uint8_t tipo : occupati) {
    Form1 f = modello_celle_vuote(400);
    f.cella_n(363).tipo = tipo;
    f.cella_n(363).valore_1 = 77;
    memo_indicatori_v_max(f, 18100, 140, 160, 160, 2, 140, 160, 160, 2);
    EXPECT_EQ(f.numero_errore, 21) << int{tipo};
    EXPECT_EQ(f.cella_n(363).tipo, tipo);
    EXPECT_EQ(f.cella_n(363).valore_1, 77);
  }
  Form1 f = modello_celle_vuote(400);
  f.cella_n(363).tipo = cella_segno_montagna;
  f.cella_n(363).montagna = 1;
  memo_indicatori_v_max(f, 18100, 140, 160, 160, 2, 140, 160, 160, 2);
  EXPECT_EQ(f.numero_errore, 0);
  EXPECT_EQ(f.cella_n(363).tipo, cella_indicatore_vmax);
  EXPECT_EQ(f.cella_n(363).montagna, 1);
}

TEST(MemoIndicatoriVMax, PackedPairOutOfRangeFailsWithTheCellUntouched) {
  struct caso {
    std::int32_t s1, s2, s3, t3;
  };
  const caso casi[] = {
      {1639, 0, 0, 0},        // 32780 in the first word
      {0, -1639, 0, 0},       // -32780 in the second
      {0, 0, 1638, 40},       // 32768 in the third, after two good ones
      {0, 0, 0, 2147483647},  // huge speed in fifths
  };
  for (const caso& c : casi) {
    Form1 f = modello_celle_vuote(400);
    f.cella_n(363).tipo = cella_segno_montagna;
    EXPECT_THROW(memo_indicatori_v_max(f, 18100, c.s1, c.s2, c.s3, 2, 0, 0, c.t3, 2), interruzione);
    const cella& z = f.cella_n(363);
    EXPECT_EQ(z.tipo, cella_segno_montagna);
    EXPECT_EQ(z.valore_1, 0);
    EXPECT_EQ(z.valore_2, 0);
    EXPECT_EQ(z.valore_4, 0);
  }
  // The edge of the range itself still fits.
  Form1 f = modello_celle_vuote(400);
  memo_indicatori_v_max(f, 18100, 1638, -1638, 0, 0, 35, -40, 0, 0);
  EXPECT_EQ(f.cella_n(363).valore_1, 32767);
  EXPECT_EQ(f.cella_n(363).valore_2, -32768);
}

}  // namespace
