#include "output/controllo_codici.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <memory>

#include "model/form1.h"
#include "test_support/form_di_prova.h"

namespace {

void metti(Form1& f, std::int32_t c, std::uint8_t tipo, std::int16_t valore_1 = 0) {
  f.cella_n(c).tipo = tipo;
  f.cella_n(c).valore_1 = valore_1;
}

void rallentamento(Form1& f, std::int32_t inizio, std::int32_t fine, std::int16_t velocita) {
  metti(f, inizio, cella_inizio_rallentamento, velocita);
  metti(f, fine, cella_fine_rallentamento, velocita);
}

bool codice_180(const Form1& f, std::int32_t c) {
  return f.cella_n(c).tipo == cella_codice && f.cella_n(c).valore_1 == 180;
}

// Every cell that holds a code point after the check.
std::vector<std::int32_t> celle_con_codice(const Form1& f) {
  std::vector<std::int32_t> r;
  for (std::int32_t c = 0; c <= f.numero_celle; ++c)
    if (f.cella_n(c).tipo == cella_codice) r.push_back(c);
  return r;
}

using celle_controllo_codici = std::vector<std::int32_t>;

TEST(Minimo, GivesTheSmallerAndXWhenEqual) {
  EXPECT_EQ(minimo(180, std::int16_t{270}), 180);
  EXPECT_EQ(minimo(180, std::int16_t{150}), 150);
  EXPECT_EQ(minimo(180, std::int16_t{-5}), -5);
  EXPECT_EQ(minimo(2.5, 2), 2.0);
  // Equal values: a copy of x, told apart here by the sign of zero.
  EXPECT_TRUE(std::signbit(minimo(-0.0, 0.0)));
  EXPECT_FALSE(std::signbit(minimo(0.0, -0.0)));
}

// A signal 3 cells before a warning, both cells before the signal taken, the
// nearer one by a code point: its code comes down to at most 180.
TEST(ControlloCodici, CodeInFrontOfSignalBeforeWarningIsLoweredTo180) {
  struct caso {
    std::int16_t codice;
    std::int16_t atteso;
  };
  for (const caso c : {caso{270, 180}, caso{150, 150}, caso{180, 180}, caso{-1, -1}}) {
    auto f = std::make_unique<Form1>(modello_celle_vuote(60));
    metti(*f, 30, cella_avviso_rallentamento);
    metti(*f, 27, cella_segnale);
    metti(*f, 26, cella_codice, c.codice);
    metti(*f, 25, cella_indicatore_vmax, 7);
    controllo_codici(*f);
    EXPECT_EQ(f->cella_n(26).valore_1, c.atteso) << c.codice;
    EXPECT_EQ(f->cella_n(25).tipo, cella_indicatore_vmax);
    EXPECT_EQ(f->numero_errore, 0);
  }
}

TEST(ControlloCodici, SignalBeforeWarningTakesTheFirstCaseThatHolds) {
  struct caso {
    const char* nome;
    std::uint8_t prima;             // tipo of cell 26, just before the signal (a code point holds 270)
    std::uint8_t seconda;           // tipo of cell 25, two before it
    celle_controllo_codici codici;  // cells holding a code point after the check
    std::int16_t valore_26, valore_25;
    std::int32_t errore;
  };
  const caso casi[] = {
      {"nearer free", cella_vuota, cella_vuota, {26}, 180, 0, 0},
      {"nearer a mountain marker", cella_segno_montagna, cella_vuota, {26}, 180, 0, 0},
      {"nearer taken, farther free", cella_indicatore_vmax, cella_vuota, {25}, 0, 180, 0},
      {"nearer taken, farther a code", cella_indicatore_vmax, cella_codice, {25}, 0, 180, 0},
      {"nearer a code, farther free: placing wins", cella_codice, cella_vuota, {25, 26}, 270, 180, 0},
      {"nearer a code, farther taken", cella_codice, cella_indicatore_vmax, {26}, 180, 0, 0},
      {"no room: error 11, next signal still treated", cella_indicatore_vmax, cella_segnale, {24}, 0, 0, 11},
  };
  for (const auto& c : casi) {
    auto f = std::make_unique<Form1>(modello_celle_vuote(60));
    metti(*f, 30, cella_avviso_rallentamento);
    metti(*f, 27, cella_segnale);
    metti(*f, 26, c.prima, c.prima == cella_codice ? 270 : 0);
    metti(*f, 25, c.seconda, c.seconda == cella_codice ? 270 : 0);
    controllo_codici(*f);
    EXPECT_EQ(celle_con_codice(*f), c.codici) << c.nome;
    EXPECT_EQ(f->cella_n(26).valore_1, c.valore_26) << c.nome;
    EXPECT_EQ(f->cella_n(25).valore_1, c.valore_25) << c.nome;
    EXPECT_EQ(f->numero_errore, c.errore) << c.nome;
    if (c.errore) {
      EXPECT_EQ(f->progressiva_errore, 27 * 50) << c.nome;
    }
  }
}

TEST(ControlloCodici, EverySignalWithinTwentyCellsBeforeAWarningIsTreated) {
  auto f = std::make_unique<Form1>(modello_celle_vuote(80));
  metti(*f, 50, cella_avviso_rallentamento);
  metti(*f, 46, cella_segnale);  // i - 4
  metti(*f, 41, cella_segnale);  // i - 9
  metti(*f, 30, cella_segnale);  // i - 20: the cell before it is a signal too
  metti(*f, 29, cella_segnale);  // i - 21: out of reach
  controllo_codici(*f);
  EXPECT_EQ(celle_con_codice(*f), (celle_controllo_codici{28, 40, 45}));
  for (std::int32_t c : celle_con_codice(*f)) EXPECT_TRUE(codice_180(*f, c)) << c;
  EXPECT_EQ(f->numero_errore, 0);
}

// A warning at cell 7 looks at the signals in cells 6 down to 3; a signal at
// cell 2 (k = 5) is not examined.
TEST(ControlloCodici, LookBackBeforeAWarningStopsBelowCellThree) {
  struct caso {
    std::int32_t segnale;
    celle_controllo_codici codici;
  };
  for (const caso& c : {caso{3, {2}}, caso{2, {}}, caso{6, {5}}}) {
    auto f = std::make_unique<Form1>(modello_celle_vuote(40));
    metti(*f, 7, cella_avviso_rallentamento);
    metti(*f, c.segnale, cella_segnale);
    controllo_codici(*f);
    EXPECT_EQ(celle_con_codice(*f), c.codici) << "signal at " << c.segnale;
  }
}

// The three windows before a start: cells 5-7, 11-13 and 18-20 before it,
// each only when the start lies beyond its far end.
TEST(ControlloCodici, WindowsBeforeASlowdownStart) {
  struct caso {
    const char* nome;
    std::int32_t inizio;
    std::vector<std::pair<std::int32_t, std::uint8_t>> occupate;
    celle_controllo_codici codici;
    std::int32_t errore;
  };
  const caso casi[] = {
      {"start at 7: no window", 7, {}, {}, 0},
      {"start at 8: B1 tries 3, 2, 1", 8, {{3, cella_segnale}, {2, cella_segnale}}, {1}, 0},
      {"start at 13: B1 only", 13, {}, {8}, 0},
      {"start at 14: B1 and B2", 14, {}, {3, 9}, 0},
      {"start at 21: all three", 21, {}, {3, 10, 16}, 0},
      {"existing code point is not free", 40, {{35, cella_codice}}, {22, 29, 34, 35}, 0},
      {"mountain marker is replaced", 40, {{35, cella_segno_montagna}}, {22, 29, 35}, 0},
      {"B2 window full", 40, {{29, cella_segnale}, {28, cella_segnale}, {27, cella_segnale}}, {22, 35}, 12},
  };
  for (const auto& c : casi) {
    auto f = std::make_unique<Form1>(modello_celle_vuote(200));
    // A fast slowdown (no code points inside) ending far on, so only B1-B3 act.
    rallentamento(*f, c.inizio, c.inizio + 30, 120);
    for (auto [cella_n, tipo] : c.occupate) metti(*f, cella_n, tipo, tipo == cella_codice ? 270 : 0);
    controllo_codici(*f);
    EXPECT_EQ(celle_con_codice(*f), c.codici) << c.nome;
    EXPECT_EQ(f->numero_errore, c.errore) << c.nome;
    if (c.errore) {
      EXPECT_EQ(f->progressiva_errore, c.inizio * 50) << c.nome;
    }
  }
}

// B4: a code point every 8 cells from the last one placed; B5: in front of
// the first signal within 12 cells after the end.
TEST(ControlloCodici, CodePointsInsideASlowSlowdown) {
  struct caso {
    const char* nome;
    std::int16_t velocita;
    std::int32_t lunghezza;           // end cell - start cell
    celle_controllo_codici occupate;  // cells after the start holding a board
    celle_controllo_codici codici;    // cells after the start holding a code point
    std::int32_t errore;
    std::int32_t cella_errore;  // after the start
  };
  const caso casi[] = {
      {"value 90, end 20 on", 90, 20, {}, {8, 16}, 0, 0},
      {"end next to the start", 90, 1, {}, {}, 0, 0},
      {"end just at the eighth cell", 90, 8, {}, {7}, 0, 0},
      {"value 110: none", 110, 20, {}, {}, 0, 0},
      {"value 109", 109, 20, {}, {8, 16}, 0, 0},
      {"negative value", -5, 10, {}, {8}, 0, 0},
      {"one cell early, next 7 later", 90, 20, {8}, {7, 15}, 0, 0},
      {"one cell late, next 9 later", 90, 30, {7, 8}, {9, 17, 25}, 0, 0},
      {"no room: error and no more", 90, 30, {7, 8, 9}, {}, 13, 8},
  };
  for (const auto& c : casi) {
    auto f = std::make_unique<Form1>(modello_celle_vuote(200));
    const std::int32_t i = 50;
    rallentamento(*f, i, i + c.lunghezza, c.velocita);
    for (std::int32_t d : c.occupate) metti(*f, i + d, cella_indicatore_vmax, 1);
    controllo_codici(*f);
    celle_controllo_codici dentro;
    for (std::int32_t x : celle_con_codice(*f))
      if (x > i) dentro.push_back(x - i);
    EXPECT_EQ(dentro, c.codici) << c.nome;
    EXPECT_EQ(f->numero_errore, c.errore) << c.nome;
    if (c.errore) {
      EXPECT_EQ(f->progressiva_errore, (i + c.cella_errore) * 50) << c.nome;
    }
  }
}

TEST(ControlloCodici, SignalAfterASlowSlowdown) {
  struct caso {
    const char* nome;
    std::int32_t segnale;             // after the end cell
    celle_controllo_codici occupate;  // after the end cell
    celle_controllo_codici codici;    // after the end cell
    std::int32_t errore;
  };
  const caso casi[] = {
      {"signal 12 after the end", 12, {}, {11}, 0},
      {"signal 13 after the end: out of reach", 13, {}, {}, 0},
      {"cell before taken", 5, {4}, {3}, 0},
      {"both taken", 5, {3, 4}, {}, 13},
  };
  for (const auto& c : casi) {
    auto f = std::make_unique<Form1>(modello_celle_vuote(200));
    const std::int32_t i = 50, e = 53;  // short: no code point from B4
    rallentamento(*f, i, e, 60);
    metti(*f, e + c.segnale, cella_segnale);
    for (std::int32_t d : c.occupate) metti(*f, e + d, cella_indicatore_vmax, 1);
    controllo_codici(*f);
    celle_controllo_codici dopo;
    for (std::int32_t x : celle_con_codice(*f))
      if (x > e) dopo.push_back(x - e);
    EXPECT_EQ(dopo, c.codici) << c.nome;
    EXPECT_EQ(f->numero_errore, c.errore) << c.nome;
    if (c.errore) {
      EXPECT_EQ(f->progressiva_errore, e * 50) << c.nome;
    }
  }
}

TEST(ControlloCodici, SignalJustAfterTheEndGetsItsCodeInsideTheSlowdown) {
  auto f = std::make_unique<Form1>(modello_celle_vuote(200));
  rallentamento(*f, 50, 53, 60);
  metti(*f, 54, cella_segnale);
  controllo_codici(*f);
  // Cell 53 is the end (not free), so the code point goes to 52.
  EXPECT_TRUE(codice_180(*f, 52));
  EXPECT_EQ(f->numero_errore, 0);
}

TEST(ControlloCodici, FastSlowdownGetsNoLookAhead) {
  auto f = std::make_unique<Form1>(modello_celle_vuote(200));
  rallentamento(*f, 50, 53, 110);
  metti(*f, 56, cella_segnale);
  controllo_codici(*f);
  EXPECT_FALSE(f->cella_n(55).tipo == cella_codice);
}

// Near the last cell: the walk stops at numero_celle, the look-ahead too, and
// nothing is written outside percorso.
TEST(ControlloCodici, WalksStopAtTheLastCell) {
  {  // a start without an end cell
    auto f = std::make_unique<Form1>(modello_celle_vuote(40));
    metti(*f, 30, cella_inizio_rallentamento, 90);
    controllo_codici(*f);
    EXPECT_EQ(f->numero_errore, 13);
    EXPECT_EQ(f->progressiva_errore, 40 * 50);
    EXPECT_TRUE(codice_180(*f, 38));
    EXPECT_EQ(f->percorso.size(), 41u);
  }
  {  // the eighth cell is the last, the end cell: k + 1 lies outside
    auto f = std::make_unique<Form1>(modello_celle_vuote(38));
    rallentamento(*f, 30, 38, 90);
    metti(*f, 37, cella_segnale);
    controllo_codici(*f);
    EXPECT_EQ(f->numero_errore, 13);
    EXPECT_EQ(f->progressiva_errore, 38 * 50);
    EXPECT_EQ(f->percorso.size(), 39u);
  }
  {  // end cell on the last cell: look-ahead covers only it
    auto f = std::make_unique<Form1>(modello_celle_vuote(38));
    rallentamento(*f, 34, 38, 90);
    controllo_codici(*f);
    EXPECT_EQ(f->numero_errore, 0);
    EXPECT_EQ(f->percorso.size(), 39u);
  }
}

TEST(ControlloCodici, PassCoversCellsOneToTwoBeforeTheLast) {
  struct caso {
    std::int32_t avviso;
    bool trattato;
  };
  for (const caso c : {caso{38, true}, caso{39, false}}) {
    auto f = std::make_unique<Form1>(modello_celle_vuote(40));
    metti(*f, c.avviso, cella_avviso_rallentamento);
    metti(*f, c.avviso - 2, cella_segnale);
    controllo_codici(*f);
    EXPECT_EQ(codice_180(*f, c.avviso - 3), c.trattato) << c.avviso;
  }
}

// Changes are made in place at once: a code point placed for one slowdown is
// seen as taken by the next one's window, and an error does not stop the pass.
TEST(ControlloCodici, LaterCellsSeeEarlierChangesAndErrorsDoNotStopThePass) {
  auto f = std::make_unique<Form1>(modello_celle_vuote(200));
  metti(*f, 30, cella_avviso_rallentamento);
  for (std::int32_t c : {27, 26, 25, 57, 56}) metti(*f, c, cella_segnale);
  rallentamento(*f, 60, 61, 120);
  rallentamento(*f, 62, 70, 120);
  f->origine = {file_sorgente::treno, 99};  // an earlier error of a reader
  controllo_codici(*f);
  // Warning 30: signal 27 has no room (error 11), 26 gets 24, 25 then gets 23.
  // Start 60: 55, 49, 42. Start 62: 57 and 56 are signals, 55 now a code
  // point (error 12), then 51 and 44.
  EXPECT_EQ(celle_con_codice(*f), (celle_controllo_codici{23, 24, 42, 44, 49, 51, 55}));
  EXPECT_EQ(f->numero_errore, 12);
  EXPECT_EQ(f->progressiva_errore, 62 * 50);
  EXPECT_EQ(f->origine.file, file_sorgente::nessuno) << "the last error comes from no source file";
}

TEST(ControlloCodici, ModelWithoutCellsIsLeftAlone) {
  Form1 f;
  controllo_codici(f);
  EXPECT_EQ(f.numero_errore, 0);
}

}  // namespace
