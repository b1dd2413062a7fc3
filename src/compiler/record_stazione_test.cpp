#include "compiler/record_stazione.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compiler/treno_di_prova.h"

namespace {

// A station of type 26 (no cell of its own) 100 m long at progressive p.
std::string stazione_muta(std::int32_t p, const std::string& nome) {
  return "stazione, " + std::to_string(p) + ", 26, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, " + nome;
}

void scrivi_righe_treno(treno_di_prova& t, const std::vector<std::string>& righe) {
  t.testo = "[generale]\r\n";
  for (const std::string& r : righe) t.testo += r + "\r\n";
  t.testo += "[fine]\r\n";
  scrivi_tutto(*t.f.cartella, file_treno(t.f), t.testo);
}

const char* const piacenza_record_stazione =
    "stazione,   71450,  2,  700,  1, 1, 0,  4,1,1,  2,1,1,   60,  13,57, 0, PIACENZA";

TEST(RecordStazione, PiacenzaAsFourteenthStation) {
  treno_di_prova t;
  std::vector<std::string> righe;
  for (int j = 1; j <= 13; ++j) righe.push_back(stazione_muta(5000 * j, "S" + std::to_string(j)));
  righe.push_back(piacenza_record_stazione);
  scrivi_righe_treno(t, righe);
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.f.numero_errore, 0);
  const stazione& s = t.f.stazioni[14];
  EXPECT_EQ(s.progressiva, 71450);
  EXPECT_EQ(s.tipo, 2);
  EXPECT_EQ(s.inizio, 71100);
  EXPECT_EQ(s.fine, 71800);
  EXPECT_EQ(s.campo_5, 1);
  EXPECT_EQ(s.campo_15, 1);
  EXPECT_EQ(s.campo_14, 0);
  EXPECT_EQ(s.campo_7, 4);
  EXPECT_EQ(s.campo_8, 1);
  EXPECT_EQ(s.campo_12, 1);
  EXPECT_EQ(s.campo_9, 2);
  EXPECT_EQ(s.campo_10, 1);
  EXPECT_EQ(s.campo_11, 1);
  EXPECT_EQ(s.campo_13, 60);
  EXPECT_EQ(s.orario, 50220);
  EXPECT_EQ(s.nome, "PIACENZA");
  EXPECT_EQ(t.c(1435).tipo, cella_fine_stazione);
  EXPECT_EQ(t.c(1435).valore_1, 14);
  EXPECT_EQ(t.c(1435).valore_6, 0);
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(t.c(1435 - j).valore_6, 80 + j) << "cell " << 1435 - j;
  EXPECT_EQ(t.c(1430).valore_6, 0);
  EXPECT_EQ(t.f.stazioni[13].nome, "S13");
  EXPECT_EQ(t.f.stazioni[15].nome, "");
}

// The area by type, as the second station (the first one keeps no extension).
TEST(RecordStazione, AreaEndMarkerAndApproachMarksFollowTheType) {
  struct caso {
    int tipo, lunghezza, campo_14, campo_15;
    std::int32_t inizio, fine;
    int campo_14_dopo, campo_15_dopo;
    std::int32_t cella_fine;  // -1: no end marker
    bool segni;
  } casi[] = {
      {5, 400, 1, 1, 49600, 50150, 0, 0, 1002, false}, {6, 800, 1, 3, 49200, 50150, 0, 3, 1002, false},
      {7, 600, 1, 3, 49400, 50600, 0, 3, 1011, true},  {8, 600, 0, 3, 49400, 50600, 0, 3, 1011, true},
      {2, 700, 0, 3, 49650, 50350, 0, 3, 1006, true},  {2, 700, 1, 3, 49650, 50400, 1, 3, 1007, true},
      {24, 500, 1, 3, 49750, 50300, 1, 0, 1005, true}, {25, 700, 0, 3, 49650, 50350, 0, 3, -1, false},
      {26, 700, 1, 3, 49650, 50400, 1, 3, -1, false},
  };
  for (const caso& k : casi) {
    treno_di_prova t;
    scrivi_righe_treno(
        t, {stazione_muta(1000, "PRIMA"), "stazione, 50000, " + std::to_string(k.tipo) + ", " +
                                              std::to_string(k.lunghezza) + ", 9, " + std::to_string(k.campo_15) +
                                              ", " + std::to_string(k.campo_14) + ", 0,0,0, 0,0,0, 0, 8,0,0, SECONDA"});
    const std::string nome = "type " + std::to_string(k.tipo) + " length " + std::to_string(k.lunghezza);
    ASSERT_TRUE(t.leggi()) << nome;
    EXPECT_EQ(t.f.numero_errore, 0) << nome;
    const stazione& s = t.f.stazioni[2];
    EXPECT_EQ(s.inizio, k.inizio) << nome;
    EXPECT_EQ(s.fine, k.fine) << nome;
    EXPECT_EQ(s.campo_14, k.campo_14_dopo) << nome;
    EXPECT_EQ(s.campo_15, k.campo_15_dopo) << nome;
    EXPECT_EQ(s.campo_5, 9) << nome;
    EXPECT_EQ(s.orario, 8 * 3600) << nome;
    std::vector<std::int32_t> fine_stazione, segnate;
    for (std::int32_t i = 0; i <= t.f.numero_celle; ++i) {
      if (t.c(i).tipo == cella_fine_stazione) fine_stazione.push_back(i);
      if (t.c(i).valore_6 != 0) segnate.push_back(i);
    }
    if (k.cella_fine < 0) {
      EXPECT_TRUE(fine_stazione.empty()) << nome;
    } else {
      EXPECT_EQ(fine_stazione, std::vector<std::int32_t>{k.cella_fine}) << nome;
      EXPECT_EQ(t.c(k.cella_fine).valore_1, 2) << nome;
    }
    if (k.segni) {
      EXPECT_EQ(segnate,
                (std::vector<std::int32_t>{k.cella_fine - 4, k.cella_fine - 3, k.cella_fine - 2, k.cella_fine - 1}))
          << nome;
      EXPECT_EQ(t.c(k.cella_fine - 1).valore_6, 81) << nome;
      EXPECT_EQ(t.c(k.cella_fine - 4).valore_6, 84) << nome;
    } else {
      EXPECT_TRUE(segnate.empty()) << nome;
    }
  }
}

TEST(RecordStazione, FirstStationLosesItsExtensionValuesAfterTheAreaIsComputed) {
  treno_di_prova t;
  t.scrivi({"stazione, 10000, 2, 800, 0, 5, 1, 0,0,0, 0,0,0, 0, 0,0,0, A"});
  ASSERT_TRUE(t.leggi());
  const stazione& s = t.f.stazioni[1];
  EXPECT_EQ(s.inizio, 9600);
  EXPECT_EQ(s.fine, 10450);
  EXPECT_EQ(s.campo_14, 0);
  EXPECT_EQ(s.campo_15, 0);
  EXPECT_EQ(t.c(208).tipo, cella_fine_stazione);
}

TEST(RecordStazione, TypeEightAtTheStartOfTheLine) {
  treno_di_prova t;
  t.scrivi({"stazione, 0, 8, 600, 0, 0, 0, 0,0,0, 0,0,0, 0, 0,0,0, ORIGINE"});
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.f.numero_errore, 0);
  EXPECT_EQ(t.f.stazioni[1].inizio, -600);
  EXPECT_EQ(t.f.stazioni[1].fine, 600);
  EXPECT_EQ(t.c(11).tipo, cella_fine_stazione);
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(t.c(11 - j).valore_6, 80 + j);
}

TEST(RecordStazione, ApproachMarksStayAboveCellOne) {
  treno_di_prova t;
  t.scrivi({"stazione, 150, 2, 100, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, VICINA"});  // end marker in cell 3
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.f.numero_errore, 0);
  EXPECT_EQ(t.c(3).tipo, cella_fine_stazione);
  EXPECT_EQ(t.c(2).valore_6, 81);
  EXPECT_EQ(t.c(1).valore_6, 0);
  EXPECT_EQ(t.c(0).valore_6, 0);
}

TEST(RecordStazione, EndMarkerTakesItsCellWhateverItHeld) {
  treno_di_prova t;
  t.c(1435).tipo = cella_segnale;
  t.c(1435).valore_1 = 42;
  t.c(1434).tipo = cella_indicatore_vmax;
  scrivi_righe_treno(t, {piacenza_record_stazione});
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.f.numero_errore, 0);
  EXPECT_EQ(t.c(1435).tipo, cella_fine_stazione);
  EXPECT_EQ(t.c(1435).valore_1, 1);
  EXPECT_EQ(t.c(1434).tipo, cella_indicatore_vmax) << "an approach mark changes only valore_6";
  EXPECT_EQ(t.c(1434).valore_6, 81);
}

// Errors that stop the reader at once: no fill-out, nothing after the record.
TEST(RecordStazione, StationErrorsStopTheReader) {
  struct caso {
    const char* nome;
    std::vector<std::string> righe;
    std::int32_t errore;
    std::int32_t progressiva;  // 1234: not set
  } casi[] = {
      {"progressive off the 50 m grid", {"stazione, 71425, 2, 700, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X"}, 8, 71425},
      {"length off the 100 m grid", {"stazione, 71450, 2, 650, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X"}, 9, 71450},
      {"end marker in cell 0", {"stazione, 0, 2, 100, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X"}, 24, 1234},
      {"end marker in cell 1", {"stazione, 50, 2, 100, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X"}, 24, 1234},
      {"300 m after the previous station",
       {stazione_muta(1000, "A"), "stazione, 1400, 26, 100, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, B"},
       22,
       1400},
  };
  for (const caso& k : casi) {
    treno_di_prova t;
    t.f.progressiva_errore = 1234;
    std::vector<std::string> righe = {"velocita, 0, 30", "velocita, 100, 50"};
    righe.insert(righe.end(), k.righe.begin(), k.righe.end());
    righe.push_back("numero vetture, 14");
    scrivi_righe_treno(t, righe);
    ASSERT_TRUE(t.leggi()) << k.nome;
    EXPECT_EQ(t.f.numero_errore, k.errore) << k.nome;
    EXPECT_EQ(t.f.progressiva_errore, k.progressiva) << k.nome;
    EXPECT_EQ(t.f.origine.offset, t.offset_di("stazione", static_cast<int>(k.righe.size()) - 1)) << k.nome;
    EXPECT_EQ(t.f.stazioni[84].progressiva, 0) << k.nome;
    EXPECT_EQ(t.c(2).velocita, 0) << "no fill-out: " << k.nome;
    EXPECT_FALSE(t.file_presente()) << k.nome;
  }
}

TEST(RecordStazione, SpacingOfExactly350MetresIsAccepted) {
  treno_di_prova t;
  scrivi_righe_treno(t, {stazione_muta(1000, "A"), "stazione, 1450, 2, 100, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, B"});
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.f.numero_errore, 0);
  EXPECT_EQ(t.f.stazioni[2].inizio - t.f.stazioni[1].fine, 350);
}

TEST(RecordStazione, FailedSpacingKeepsWhatTheStationAlreadyWrote) {
  treno_di_prova t;
  scrivi_righe_treno(t, {stazione_muta(1000, "A"), "stazione, 1400, 2, 100, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, B"});
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.f.numero_errore, 22);
  EXPECT_EQ(t.f.stazioni[2].nome, "B");
  EXPECT_EQ(t.c(28).tipo, cella_fine_stazione);
  EXPECT_EQ(t.c(28).valore_1, 2);
}

TEST(RecordStazione, FieldsReadBeforeAnEarlyErrorStayStored) {
  treno_di_prova t;
  t.scrivi({"stazione, 71450, 3, 650, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X"});
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.f.numero_errore, 9);
  EXPECT_EQ(t.f.stazioni[1].progressiva, 71450);
  EXPECT_EQ(t.f.stazioni[1].tipo, 3);
  EXPECT_EQ(t.f.stazioni[1].nome, "");
}

TEST(RecordStazione, StationsStopOneEntryBeforeTheSignTexts) {
  struct caso {
    std::int32_t slot;
    int stazioni_lette;  // entries filled when error 10 comes
  } casi[] = {{3, 2}, {80, 79}, {200, 80}, {1, 1}};
  for (const caso& k : casi) {
    treno_di_prova t;
    t.slot_cartello = k.slot;
    t.f.stazioni[81].nome = "intatta";
    std::vector<std::string> righe;
    for (int j = 1; j <= 85; ++j) righe.push_back(stazione_muta(1000 + 500 * j, "S" + std::to_string(j)));
    scrivi_righe_treno(t, righe);
    ASSERT_TRUE(t.leggi()) << "slot " << k.slot;
    EXPECT_EQ(t.f.numero_errore, 10) << "slot " << k.slot;
    EXPECT_EQ(t.f.stazioni[static_cast<std::size_t>(k.stazioni_lette)].nome, "S" + std::to_string(k.stazioni_lette));
    EXPECT_EQ(t.f.stazioni[static_cast<std::size_t>(k.stazioni_lette) + 1].nome,
              k.stazioni_lette + 1 == 81 ? "intatta" : "")
        << "slot " << k.slot;
    EXPECT_EQ(t.f.stazioni[81].inizio, 218300) << "the chainage entries are never reached";
    EXPECT_FALSE(t.file_presente());
  }
}

TEST(RecordStazione, EndMarkerBeyondTheArrayIsError15OnTheEndOfFilePath) {
  treno_di_prova t;
  // (306200 + 800)/50 = 6140 passes the range check, but the area ends at 307200: cell 6143.
  t.scrivi({"velocita, 0, 30", "stazione, 306200, 7, 1000, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X", "numero vetture, 14"});
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.f.numero_errore, 15);
  EXPECT_EQ(t.f.progressiva_errore, 306200);
  EXPECT_EQ(t.c(6137).velocita, 6) << "the fill-outs run";
  EXPECT_EQ(t.f.stazioni[84].progressiva, 0);
  for (std::int32_t i = 6130; i <= 6140; ++i) EXPECT_EQ(t.c(i).valore_6, 0) << "no approach mark, cell " << i;

  treno_di_prova u;  // a type that writes no cell is not refused
  u.scrivi({"stazione, 306200, 26, 2000, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X"});
  ASSERT_TRUE(u.leggi());
  EXPECT_EQ(u.f.numero_errore, 0);
}

TEST(RecordStazione, ValuesThatDoNotFitTheirPlaceAreReadFailures) {
  struct caso {
    const char* riga;
    const char* campo;  // nullptr: the record's keyword
  } casi[] = {
      {"stazione, 1000, 256, 100, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X", "256"},
      {"stazione, 1000, 2, 100, -1,0,0, 0,0,0, 0,0,0, 0, 0,0,0, X", "-1"},
      {"stazione, 1000, 2, 100, 0,0,0, 40000,0,0, 0,0,0, 0, 0,0,0, X", "40000"},
      {"stazione, 1000, 2, 100, 0,0,0, 0,0,0, 0,0,0, 300, 0,0,0, X", "300"},
      {"stazione, 1000, 2, 100, 0,0,0, 0,0,0, 0,0,0, 0, 600000,0,0, X", nullptr},
      {"stazione, 1000, 7, 2147483600, 0,0,1, 0,0,0, 0,0,0, 0, 0,0,0, X", nullptr},
      {"stazione, 1000, 5, -2147483600, 0,0,1, 0,0,0, 0,0,0, 0, 0,0,0, X", nullptr},
  };
  for (const caso& k : casi) {
    treno_di_prova t;
    t.scrivi({k.riga});
    EXPECT_FALSE(t.leggi()) << k.riga;
    EXPECT_EQ(t.f.origine.offset, k.campo ? t.offset_di(k.campo) : t.offset_di("stazione")) << k.riga;
  }
}

TEST(RecordStazione, AreaThatOverflowsChangesNoneOfItsFields) {
  treno_di_prova t;
  t.scrivi({"stazione, 1000, 7, 2147483600, 0,0,1, 0,0,0, 0,0,0, 7, 0,0,0, X"});
  EXPECT_FALSE(t.leggi());
  const stazione& s = t.f.stazioni[1];
  EXPECT_EQ(s.inizio, 0);
  EXPECT_EQ(s.fine, 0);
  EXPECT_EQ(s.campo_14, 1);
  EXPECT_EQ(s.campo_13, 7) << "fields read before the failure stay";
  EXPECT_EQ(s.nome, "X");
}

}  // namespace
