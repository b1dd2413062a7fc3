#include "compiler/memo_montagna.h"

#include <gtest/gtest.h>

#include "model/form1.h"
#include "test_support/form_di_prova.h"

namespace {

TEST(MemoMontagna, CellRangeClassAndEveryFourthMarker) {
  struct caso {
    std::int32_t a, b, v;
    std::int32_t primo, ultimo;  // cells expected to carry the class
    std::uint8_t classe;
    bool segnata;
  };
  const caso casi[] = {
      {1000, 1500, 2, 20, 29, 2, false},
      {1000, 1500, 11, 20, 29, 1, true},
      {1000, 1500, 13, 20, 29, 3, true},
      {1025, 1525, 12, 20, 30, 2, true},  // 20.5 -> 20, 30.5 - 1 = 29.5 -> 30
      {1075, 1575, 1, 22, 30, 1, false},  // 21.5 -> 22, 31.5 - 1 = 30.5 -> 30
      {1000, 1050, 11, 20, 20, 1, true},
      // Only a value above 10 marks a stretch: 10 is class 10, unmarked.
      {1000, 1500, 10, 20, 29, 10, false},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(std::to_string(c.a) + "," + std::to_string(c.b) + "," + std::to_string(c.v));
    Form1 f = modello_celle_vuote(100);
    memo_montagna(f, c.a, c.b, c.v);
    EXPECT_EQ(f.numero_montagne, 1);
    EXPECT_EQ(f.montagna_inizio[1], c.a);
    EXPECT_EQ(f.montagna_fine[1], c.b);
    for (std::int32_t i = 0; i <= 100; ++i) {
      bool dentro = i >= c.primo && i <= c.ultimo;
      EXPECT_EQ(f.cella_n(i).montagna, dentro ? c.classe : 0) << "cell " << i;
      bool segno = c.segnata && dentro && (i - c.primo + 1) % 4 == 0;
      EXPECT_EQ(f.cella_n(i).tipo, segno ? cella_segno_montagna : cella_vuota) << "cell " << i;
    }
  }
}

TEST(MemoMontagna, MarkersOnlyOnEmptyCells) {
  Form1 f = modello_celle_vuote(100);
  f.cella_n(23).tipo = cella_indicatore_vmax;
  memo_montagna(f, 1000, 2000, 11);  // cells 20..39, fourth cells 23, 27, 31, 35, 39
  EXPECT_EQ(f.cella_n(23).tipo, cella_indicatore_vmax);
  EXPECT_EQ(f.cella_n(23).montagna, 1);
  for (std::int32_t i : {27, 31, 35, 39}) EXPECT_EQ(f.cella_n(i).tipo, cella_segno_montagna) << i;
}

TEST(MemoMontagna, StretchCloseBehindThePreviousOneIsClassThree) {
  struct caso {
    std::int32_t a2;
    std::uint8_t classe;
  };
  // The first stretch ends at 2000; the second starts at a2.
  const caso casi[] = {{2100, 3}, {2150, 3}, {2151, 1}, {1900, 3}, {2500, 1}};
  for (const caso& c : casi) {
    Form1 f = modello_celle_vuote(200);
    memo_montagna(f, 1000, 2000, 2);
    memo_montagna(f, c.a2, c.a2 + 1000, 11);
    EXPECT_EQ(f.numero_montagne, 2);
    std::int32_t primo = c.a2 / 50;
    EXPECT_EQ(f.cella_n(primo + 1).montagna, c.classe) << c.a2;
    EXPECT_EQ(f.cella_n(primo + 3).tipo, cella_segno_montagna) << "marking stays " << c.a2;
  }
}

TEST(MemoMontagna, EmptyRangeIsStillCountedAndValueKeepsItsLowBits) {
  Form1 f = modello_celle_vuote(100);
  memo_montagna(f, 1000, 1000, 11);  // 20 to 19: no cell
  EXPECT_EQ(f.numero_montagne, 1);
  EXPECT_EQ(f.montagna_fine[1], 1000);
  for (const cella& c : f.percorso) EXPECT_EQ(c.montagna, 0);
  memo_montagna(f, 3000, 3100, 261);  // far from the first: class 251, kept to 8 bits
  EXPECT_EQ(f.cella_n(60).montagna, 251);
  memo_montagna(f, 4000, 4100, -1);
  EXPECT_EQ(f.cella_n(80).montagna, 255);
}

TEST(MemoMontagna, NeverWritesOutsideItsTables) {
  Form1 f = modello_celle_vuote(100);
  memo_montagna(f, 4000, 9000, 1);  // cells 80..179: refused, nothing written
  EXPECT_EQ(f.numero_montagne, 0);
  for (const cella& c : f.percorso) EXPECT_EQ(c.montagna, 0);
  f.numero_montagne = massimo_montagne;
  memo_montagna(f, 0, 500, 1);
  EXPECT_EQ(f.numero_montagne, massimo_montagne);
  EXPECT_EQ(f.cella_n(0).montagna, 0);
}

}  // namespace
