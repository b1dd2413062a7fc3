#include "compiler/memo_segnale.h"

#include <gtest/gtest.h>

#include "base/stato.h"
#include "model/form1.h"
#include "test_support/form_di_prova.h"

namespace {

// Cells 0..6140: a line of 300000 m as the line reader sizes it.
constexpr std::int32_t celle_300_km_memo_segnale = 6140;

struct segnale {
  std::int32_t v[11];
};

void colloca_memo_segnale(Form1& f, const segnale& s) {
  memo_segnale(f, s.v[0], s.v[1], s.v[2], s.v[3], s.v[4], s.v[5], s.v[6], s.v[7], s.v[8], s.v[9], s.v[10]);
}

TEST(MemoSegnale, SignalAt2800FillsCell57AndMarksEverySecondCellBefore) {
  Form1 f = modello_celle_vuote(celle_300_km_memo_segnale);
  colloca_memo_segnale(f, {{2800, 2, 4, 1, 1, 0, 2, 2, 1, 1, 0}});
  const cella& c = f.cella_n(57);
  EXPECT_EQ(f.numero_errore, 0);
  EXPECT_EQ(c.tipo, cella_segnale);
  EXPECT_EQ(c.valore_1, 42);
  EXPECT_EQ(c.valore_2, 11);
  EXPECT_EQ(c.valore_3, 11);
  EXPECT_EQ(c.valore_4, 8);
  EXPECT_EQ(c.valore_5, 0);
  EXPECT_EQ(c.valore_6, 0);
  const std::int32_t marcate[] = {55, 53, 51, 49};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(f.cella_n(marcate[k]).valore_6, 81 + k) << "cell " << marcate[k];
    EXPECT_EQ(f.cella_n(marcate[k]).tipo, 0) << "a mark touches only valore_6";
  }
  for (std::int32_t i : {56, 54, 52, 50, 48, 47}) EXPECT_EQ(f.cella_n(i).valore_6, 0) << "cell " << i;
}

TEST(MemoSegnale, KindTwoSignalAt133950CarriesItsValueInValore5) {
  Form1 f = modello_celle_vuote(celle_300_km_memo_segnale);
  colloca_memo_segnale(f, {{133950, 2, 4, 0, 0, 0, 2, 2, 0, 0, 140}});
  const cella& c = f.cella_n(2680);
  EXPECT_EQ(c.tipo, cella_segnale);
  EXPECT_EQ(c.valore_1, 42);
  EXPECT_EQ(c.valore_2, 0);
  EXPECT_EQ(c.valore_3, 0);
  EXPECT_EQ(c.valore_4, 8);
  EXPECT_EQ(c.valore_5, 140);
}

TEST(MemoSegnale, Valore5DependsOnKindAndRaisesSmallValues) {
  struct caso {
    std::int32_t tipo, f11;
    int atteso;
  } casi[] = {
      {2, 50, 101}, {1, 50, 0},    {2, 1, 101},  {2, 100, 101}, {2, 101, 101},
      {2, 0, 0},    {2, 255, 255}, {2, 300, 44}, {2, -1, 255},  {3, 140, 0},
  };
  for (const caso& k : casi) {
    Form1 f = modello_celle_vuote(celle_300_km_memo_segnale);
    colloca_memo_segnale(f, {{2800, k.tipo, 0, 0, 0, 0, 0, 0, 0, 0, k.f11}});
    EXPECT_EQ(f.cella_n(57).valore_5, k.atteso) << "kind " << k.tipo << ", field 11 = " << k.f11;
  }
}

TEST(MemoSegnale, PackedValuesKeepTheirLowBits) {
  Form1 f = modello_celle_vuote(celle_300_km_memo_segnale);
  // valore_4 = 3277*10 + 9*3 + 0 = 32797 -> -32739 on 16 bits; marks (27*10 + k) on 8 bits.
  colloca_memo_segnale(f, {{2800, 9, 0, 0, 0, 3277, 0, 0, 0, 0, 0}});
  EXPECT_EQ(f.cella_n(57).valore_4, -32739);
  EXPECT_EQ(f.cella_n(55).valore_6, (270 + 1) % 256);
  EXPECT_EQ(f.cella_n(49).valore_6, (270 + 4) % 256);
}

TEST(MemoSegnale, MountainMarkerIsReplacedButAnyOtherObjectIsAConflict) {
  struct caso {
    std::uint8_t tipo_prima;
    std::int32_t errore;
  } casi[] = {{cella_segno_montagna, 0}, {cella_indicatore_vmax, 16},     {cella_segnale, 16},
              {cella_fine_stazione, 16}, {cella_codice_senza_valore, 16}, {cella_cartello_indicatore, 16}};
  for (const caso& k : casi) {
    Form1 f = modello_celle_vuote(celle_300_km_memo_segnale);
    f.cella_n(57).tipo = k.tipo_prima;
    f.cella_n(57).valore_1 = 7;
    colloca_memo_segnale(f, {{2800, 2, 4, 1, 1, 0, 2, 2, 1, 1, 0}});
    EXPECT_EQ(f.numero_errore, k.errore) << "tipo " << int{k.tipo_prima};
    if (k.errore == 0) {
      EXPECT_EQ(f.cella_n(57).tipo, cella_segnale);
      EXPECT_EQ(f.cella_n(55).valore_6, 81);
    } else {
      EXPECT_EQ(f.cella_n(57).tipo, k.tipo_prima);
      EXPECT_EQ(f.cella_n(57).valore_1, 7);
      EXPECT_EQ(f.cella_n(55).valore_6, 0) << "a refused signal writes no mark";
    }
  }
}

TEST(MemoSegnale, SecondSignalMarkLandsOnFirstSignalChangingOnlyValore6) {
  Form1 f = modello_celle_vuote(celle_300_km_memo_segnale);
  colloca_memo_segnale(f, {{2800, 1, 4, 1, 1, 0, 0, 2, 1, 1, 0}});  // cell 57, marks 31..34
  colloca_memo_segnale(f, {{2900, 2, 4, 1, 1, 0, 0, 2, 1, 1, 0}});  // cell 59, mark 61 on cell 57
  EXPECT_EQ(f.numero_errore, 0);
  const cella& primo = f.cella_n(57);
  EXPECT_EQ(primo.tipo, cella_segnale);
  EXPECT_EQ(primo.valore_1, 42);
  EXPECT_EQ(primo.valore_4, 3);
  EXPECT_EQ(primo.valore_6, 61);
  EXPECT_EQ(f.cella_n(55).valore_6, 62);
}

TEST(MemoSegnale, MarksBeforeTheFirstCellAreLeftOut) {
  Form1 f = modello_celle_vuote(celle_300_km_memo_segnale);
  colloca_memo_segnale(f, {{100, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}});  // cell 3: marks only on cell 1
  EXPECT_EQ(f.cella_n(3).tipo, cella_segnale);
  EXPECT_EQ(f.cella_n(1).valore_6, 31);
  EXPECT_EQ(f.cella_n(0).valore_6, 0);
  colloca_memo_segnale(f, {{250, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}});  // cell 6: marks on 4, 2, 0
  EXPECT_EQ(f.cella_n(4).valore_6, 31);
  EXPECT_EQ(f.cella_n(0).valore_6, 33);
}

TEST(MemoSegnale, CellIndexRoundsHalfToEven) {
  Form1 f = modello_celle_vuote(celle_300_km_memo_segnale);
  colloca_memo_segnale(f, {{25, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}});   // 1.5 -> 2
  colloca_memo_segnale(f, {{125, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}});  // 3.5 -> 4
  EXPECT_EQ(f.cella_n(2).tipo, cella_segnale);
  EXPECT_EQ(f.cella_n(4).tipo, cella_segnale);
  EXPECT_EQ(f.numero_errore, 0);
}

TEST(MemoSegnale, CellOutsideTheArrayIsRefusedWithoutWriting) {
  Form1 f = modello_celle_vuote(20);
  EXPECT_THROW(colloca_memo_segnale(f, {{1000, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}}), interruzione);  // cell 21
  EXPECT_THROW(colloca_memo_segnale(f, {{-100, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}}), interruzione);  // cell -1
  for (const cella& c : f.percorso) EXPECT_EQ(c.valore_6, 0);
}

}  // namespace
