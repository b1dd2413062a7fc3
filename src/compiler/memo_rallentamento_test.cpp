#include "compiler/memo_rallentamento.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/form1.h"
#include "test_support/form_di_prova.h"

namespace {

// Cells 0..6140: a line of 300000 m as the line reader sizes it.
constexpr std::int32_t celle_300_km = 6140;

bool uguali(const cella& a, const cella& b) {
  return a.tipo == b.tipo && a.valore_1 == b.valore_1 && a.valore_2 == b.valore_2 && a.valore_3 == b.valore_3 &&
         a.valore_4 == b.valore_4 && a.valore_5 == b.valore_5 && a.valore_6 == b.valore_6;
}

// Cells whose point-object fields differ between two arrays.
std::vector<std::size_t> celle_cambiate(const Form1& prima, const Form1& dopo) {
  std::vector<std::size_t> diverse;
  for (std::size_t i = 0; i < prima.percorso.size(); ++i)
    if (!uguali(prima.percorso[i], dopo.percorso[i])) diverse.push_back(i);
  return diverse;
}

TEST(MemoRallentamento, SlowdownAt259150TakesWarningStartAndEndCells) {
  Form1 f = modello_celle_vuote(celle_300_km);
  const Form1 prima = f;
  memo_rallentamento(f, 259150, 90, 450, 0, 0, 60);
  EXPECT_EQ(f.numero_errore, 0);
  EXPECT_EQ(celle_cambiate(prima, f), (std::vector<std::size_t>{5160, 5184, 5193}));
  const struct {
    std::int32_t i;
    std::uint8_t tipo;
  } attese[] = {
      {5160, cella_avviso_rallentamento}, {5184, cella_inizio_rallentamento}, {5193, cella_fine_rallentamento}};
  for (const auto& a : attese) {
    const cella& c = f.cella_n(a.i);
    EXPECT_EQ(c.tipo, a.tipo) << "cell " << a.i;
    EXPECT_EQ(c.valore_1, 90) << "cell " << a.i;
    EXPECT_EQ(c.valore_2, 60) << "cell " << a.i;
    EXPECT_EQ(c.valore_3, 0) << "cell " << a.i;
  }
}

TEST(MemoRallentamento, ValueFourGoesToStartAndEndOnly) {
  Form1 f = modello_celle_vuote(celle_300_km);
  memo_rallentamento(f, 259150, 90, 450, 7, 0, 60);
  EXPECT_EQ(f.cella_n(5184).valore_3, 7);
  EXPECT_EQ(f.cella_n(5193).valore_3, 7);
  EXPECT_EQ(f.cella_n(5160).valore_3, 0);
}

TEST(MemoRallentamento, DistanceBoardsStandInTheFourCellsBeforeTheWarning) {
  Form1 f = modello_celle_vuote(celle_300_km);
  const Form1 prima = f;
  memo_rallentamento(f, 1550, 30, 100, 0, 1, 60);  // warning for the sign at 350 m: cell 8
  EXPECT_EQ(f.numero_errore, 0);
  EXPECT_EQ(celle_cambiate(prima, f), (std::vector<std::size_t>{4, 5, 6, 7, 8, 32, 34}));
  EXPECT_EQ(f.cella_n(8).tipo, cella_avviso_rallentamento);
  for (std::int16_t n = 1; n <= 4; ++n) {
    const cella& t = f.cella_n(8 - n);
    EXPECT_EQ(t.tipo, cella_tavola_distanziometrica) << "board " << n;
    EXPECT_EQ(t.valore_1, n);
    EXPECT_EQ(t.valore_2, n);
  }
}

TEST(MemoRallentamento, ZeroValueSixLeavesValore2AsItWas) {
  Form1 f = modello_celle_vuote(celle_300_km);
  for (cella& c : f.percorso) c.valore_2 = 77;
  memo_rallentamento(f, 1550, 30, 100, 0, 1, 0);
  for (std::int32_t i : {8, 32, 34, 7, 4}) EXPECT_EQ(f.cella_n(i).valore_2, 77) << "cell " << i;
  EXPECT_EQ(f.cella_n(4).valore_1, 4);
  EXPECT_EQ(f.cella_n(8).valore_1, 30);
}

TEST(MemoRallentamento, StartUpTo1500MetresHasNoWarningAndNoBoards) {
  Form1 f = modello_celle_vuote(celle_300_km);
  const Form1 prima = f;
  memo_rallentamento(f, 1500, 30, 100, 0, 1, 60);
  EXPECT_EQ(f.numero_errore, 0);
  EXPECT_EQ(celle_cambiate(prima, f), (std::vector<std::size_t>{31, 33}));
  EXPECT_EQ(f.cella_n(31).tipo, cella_inizio_rallentamento);
  EXPECT_EQ(f.cella_n(33).tipo, cella_fine_rallentamento);
}

TEST(MemoRallentamento, TakenCellsAreCheckedWarningStartEndBeforeAnyWrite) {
  struct caso {
    std::vector<std::int32_t> occupate;
    std::int32_t errore;
  } casi[] = {
      {{5160}, 17}, {{5184}, 18}, {{5193}, 19}, {{5160, 5184, 5193}, 17}, {{5184, 5193}, 18},
  };
  for (const caso& k : casi) {
    Form1 f = modello_celle_vuote(celle_300_km);
    for (std::int32_t i : k.occupate) f.cella_n(i).tipo = cella_segnale;
    const Form1 prima = f;
    memo_rallentamento(f, 259150, 90, 450, 0, 1, 60);
    EXPECT_EQ(f.numero_errore, k.errore) << "first taken cell " << k.occupate[0];
    EXPECT_TRUE(celle_cambiate(prima, f).empty()) << "first taken cell " << k.occupate[0];
  }
}

TEST(MemoRallentamento, MountainMarkersAreFreeCells) {
  Form1 f = modello_celle_vuote(celle_300_km);
  for (std::int32_t i : {5160, 5184, 5193, 5159}) f.cella_n(i).tipo = cella_segno_montagna;
  memo_rallentamento(f, 259150, 90, 450, 0, 1, 60);
  EXPECT_EQ(f.numero_errore, 0);
  EXPECT_EQ(f.cella_n(5159).tipo, cella_tavola_distanziometrica);
  EXPECT_EQ(f.cella_n(5184).tipo, cella_inizio_rallentamento);
}

TEST(MemoRallentamento, TakenBoardCellKeepsTheSignsAlreadyWritten) {
  Form1 f = modello_celle_vuote(celle_300_km);
  f.cella_n(5157).tipo = cella_indicatore_vmax;  // third board of the warning in 5160
  memo_rallentamento(f, 259150, 90, 450, 0, 1, 60);
  EXPECT_EQ(f.numero_errore, 20);
  EXPECT_EQ(f.cella_n(5160).tipo, cella_avviso_rallentamento);
  EXPECT_EQ(f.cella_n(5184).tipo, cella_inizio_rallentamento);
  EXPECT_EQ(f.cella_n(5193).tipo, cella_fine_rallentamento);
  for (std::int32_t i : {5159, 5158, 5156}) EXPECT_EQ(f.cella_n(i).tipo, 0) << "no board once one is refused";
  EXPECT_EQ(f.cella_n(5157).tipo, cella_indicatore_vmax);
}

TEST(MemoRallentamento, StartAndEndInOneCellEndsAsTheStart) {
  Form1 f = modello_celle_vuote(celle_300_km);
  memo_rallentamento(f, 259150, 90, 0, 3, 0, 0);
  const cella& c = f.cella_n(5184);
  EXPECT_EQ(c.tipo, cella_inizio_rallentamento);
  EXPECT_EQ(c.valore_1, 90);
  EXPECT_EQ(c.valore_3, 3);
}

TEST(MemoRallentamento, CellsFollowHalfToEvenRounding) {
  struct caso {
    std::int32_t r1, r3;
    std::int64_t avviso, inizio, fine, tavola;
  } casi[] = {
      {259150, 450, 5160, 5184, 5193, 5159},
      {1550, 100, 8, 32, 34, 7},
      {1575, 25, 8, 32, 33, 8},   // 7.5 -> 8 for the boards, 32.5 -> 32, 33 -> 33
      {1625, 50, 10, 34, 34, 8},  // 9.5 -> 10, 33.5 -> 34, 34.5 -> 34, 8.5 -> 8
  };
  for (const caso& k : casi) {
    const celle_rallentamento n = celle_di_rallentamento(k.r1, k.r3);
    EXPECT_EQ(n.avviso, k.avviso) << k.r1;
    EXPECT_EQ(n.inizio, k.inizio) << k.r1;
    EXPECT_EQ(n.fine, k.fine) << k.r1;
    EXPECT_EQ(n.tavola, k.tavola) << k.r1;
  }
}

}  // namespace
