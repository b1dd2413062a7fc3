#include "compiler/lettore_linea.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "base/stato.h"
#include "compiler/lettore_voci.h"
#include "compiler/linea_di_prova.h"
#include "compiler/memorizza_dati.h"

namespace {

// L = 1000: numero_celle = 160, lunghezza_estesa = 8000; a record's first
// progressive may be at most 50 * 160 - 100 = 7900.
constexpr const char* generale_1000[] = {"[generale]", "lunghezza percorso, 1000", "[record]"};

void scrivi_con_generale(linea_di_prova& t, std::initializer_list<std::string_view> record,
                         const char* lunghezza = "1000") {
  std::string testo = std::string("[generale]\r\nlunghezza percorso, ") + lunghezza + "\r\n[record]\r\n";
  for (std::string_view r : record) {
    testo += r;
    testo += "\r\n";
  }
  testo += "[fine]\r\n";
  scrivi_tutto(*t.f.cartella, file_linea(t.f), testo);
}

// Text of the line the recorded error points at.
std::string riga_indicata(const std::string& testo, std::size_t offset) {
  std::size_t fine = testo.find_first_of("\r\n", offset);
  return testo.substr(offset, fine - offset);
}

TEST(LettoreLinea, GradientRunsAndTheTailFill) {
  linea_di_prova t;
  scrivi_con_generale(t, {"pendenza, 0, 5",       // t = 0: no cell, sets the value for the next run
                          "pendenza, 500, -3",    // cells 0..9 take 5
                          "pendenza, 500, 2",     // t not beyond the cursor: one cell (10) takes -3
                          "pendenza, 1025, 7"});  // 20.5 -> 20: cells 11..19 take 2; 7 runs to the end
  ASSERT_EQ(t.leggi(), esito_lettura::continua);
  for (std::int32_t i = 0; i <= 160; ++i) {
    std::uint8_t atteso = i <= 9 ? 105 : i == 10 ? 97 : i <= 19 ? 102 : i <= 157 ? 107 : 0;
    ASSERT_EQ(t.f.cella_n(i).pendenza, atteso) << "cell " << i;
  }
  EXPECT_FALSE(t.file_presente());
}

// Records at the last progressive a record may have (7900: cell 158) push
// the gradient cursor on by one cell each; the tail still writes the cell
// under the cursor once, up to the last cell (160) and never past it.
TEST(LettoreLinea, TailFillWhenTheCursorAlreadyStandsAtTheEnd) {
  struct caso {
    std::vector<std::string_view> record;
    std::uint8_t cella_157, cella_158, cella_159, cella_160;
  };
  const caso casi[] = {
      // cursor at 158 before the tail: the tail writes 158 alone
      {{"pendenza, 0, 5", "pendenza, 7900, 7"}, 105, 107, 0, 0},
      // one repeat: 158 by the record, 159 by the tail
      {{"pendenza, 0, 5", "pendenza, 7900, 7", "pendenza, 7900, 9"}, 105, 107, 109, 0},
      // two repeats bring the cursor onto the last cell: the tail writes it
      {{"pendenza, 0, 5", "pendenza, 7900, 7", "pendenza, 7900, 9", "pendenza, 7900, 11"}, 105, 107, 109, 111},
      // three repeats: the records wrote the last cell, the tail writes none
      {{"pendenza, 0, 5", "pendenza, 7900, 7", "pendenza, 7900, 9", "pendenza, 7900, 11", "pendenza, 7900, 13"},
       105,
       107,
       109,
       111},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.record.size());
    linea_di_prova t;
    std::string testo = "[generale]\r\nlunghezza percorso, 1000\r\n[record]\r\n";
    for (std::string_view r : c.record) (testo += r) += "\r\n";
    testo += "[fine]\r\n";
    scrivi_tutto(*t.f.cartella, file_linea(t.f), testo);
    ASSERT_EQ(t.leggi(), esito_lettura::continua);
    EXPECT_EQ(t.f.numero_errore, 0);
    ASSERT_EQ(t.f.percorso.size(), 161u);
    EXPECT_EQ(t.f.cella_n(0).pendenza, 105);
    EXPECT_EQ(t.f.cella_n(157).pendenza, c.cella_157);
    EXPECT_EQ(t.f.cella_n(158).pendenza, c.cella_158);
    EXPECT_EQ(t.f.cella_n(159).pendenza, c.cella_159);
    EXPECT_EQ(t.f.cella_n(160).pendenza, c.cella_160);
  }
}

TEST(LettoreLinea, GradientValueKeepsItsLowEightBits) {
  linea_di_prova t;
  scrivi_con_generale(t, {"pendenza, 100, 200", "pendenza, 200, -101", "pendenza, 300, 0"});
  ASSERT_EQ(t.leggi(), esito_lettura::continua);
  EXPECT_EQ(t.f.cella_n(1).pendenza, 100);
  EXPECT_EQ(t.f.cella_n(3).pendenza, 44);   // 300 mod 256
  EXPECT_EQ(t.f.cella_n(4).pendenza, 255);  // -1 mod 256
}

TEST(LettoreLinea, SignsTakeTheirCellAndTextSlotsFromEightyDown) {
  linea_di_prova t;
  scrivi_con_generale(t, {"cartello_indicatore,  1700,   (P.253)",
                          "cartello_indicatore,  25,   ( INIZIO  )(PONTE \xE0"
                          "B)",
                          "Cartello INDICATORE,  3000, ultimo"});
  ASSERT_EQ(t.leggi(), esito_lettura::continua);
  struct atteso {
    std::int32_t cella;
    std::int16_t slot;
    const char* testo;
  };
  const atteso attesi[] = {{35, 80, "(P.253)"},
                           {2, 79,
                            "( INIZIO  )(PONTE \xE0"
                            "B)"},
                           {61, 78, "ultimo"}};
  for (const atteso& a : attesi) {
    EXPECT_EQ(t.f.cella_n(a.cella).tipo, cella_cartello_indicatore) << a.cella;
    EXPECT_EQ(t.f.cella_n(a.cella).valore_1, a.slot) << a.cella;
    EXPECT_EQ(t.f.stazioni[static_cast<std::size_t>(a.slot)].nome, a.testo);
  }
  EXPECT_EQ(t.slot_cartello, 77);
  EXPECT_EQ(t.f.voce_letta, "[fine]");
}

TEST(LettoreLinea, BoardsPackTheirValues) {
  linea_di_prova t;
  scrivi_con_generale(t,
                      {"indicatori_vmax,  18100,  140,  160,  160,  2,  140,  160,  160,  2",
                       "indicatori_vmax,  5050,  110,  115,  120,  0,  ,  ,  ,  0"},
                      "20000");
  ASSERT_EQ(t.leggi(), esito_lettura::continua);
  const cella& a = t.f.cella_n(363);
  EXPECT_EQ(a.tipo, cella_indicatore_vmax);
  EXPECT_EQ(a.valore_1, 2828);
  EXPECT_EQ(a.valore_2, 3232);
  EXPECT_EQ(a.valore_3, 3232);
  EXPECT_EQ(a.valore_4, 22);
  const cella& b = t.f.cella_n(102);
  EXPECT_EQ(b.valore_1, 2200);
  EXPECT_EQ(b.valore_2, 2300);
  EXPECT_EQ(b.valore_3, 2400);
  EXPECT_EQ(b.valore_4, 0);
}

TEST(LettoreLinea, MountainStretchesAndTheirMarkers) {
  linea_di_prova t;
  scrivi_con_generale(t, {"montagna, 1000, 2000, 11",
                          "montagna, 2100, 2600, 2",                            // 100 m after: class 3
                          "indicatori_vmax, 1100, 100, 0, 0, 0, 0, 0, 0, 0"});  // onto the marker of cell 23
  ASSERT_EQ(t.leggi(), esito_lettura::continua);
  EXPECT_EQ(t.f.numero_montagne, 2);
  EXPECT_EQ(t.f.montagna_inizio[2], 2100);
  EXPECT_EQ(t.f.cella_n(20).montagna, 1);
  EXPECT_EQ(t.f.cella_n(23).tipo, cella_indicatore_vmax);
  EXPECT_EQ(t.f.cella_n(23).montagna, 1);
  EXPECT_EQ(t.f.cella_n(27).tipo, cella_segno_montagna);
  EXPECT_EQ(t.f.cella_n(42).montagna, 3);
  EXPECT_EQ(t.f.cella_n(51).montagna, 3);
  EXPECT_EQ(t.f.cella_n(52).montagna, 0);
}

// Errors that stop the reader at once: the file is deleted, the train file is
// not read, the error points at the record's line.
TEST(LettoreLinea, RecordErrorsThatStopTheRead) {
  struct caso {
    std::initializer_list<std::string_view> record;
    std::int32_t errore;
    std::int32_t progressiva;
    const char* riga;  // the line the error points at
  };
  const caso casi[] = {
      {{"cartello_indicatore, 25, a", "cartello_indicatore, 75, b"}, 6, 75, "cartello_indicatore, 75, b"},
      {{"indicatori_vmax, 1700, 1, 1, 1, 1, 1, 1, 1, 1", "cartello_indicatore, 1690, a"},
       6,
       1690,
       "cartello_indicatore, 1690, a"},
      {{"cartello_indicatore, 1700, a", "indicatori_vmax, 1710, 1, 1, 1, 1, 1, 1, 1, 1"},
       21,
       1710,
       "indicatori_vmax, 1710, 1, 1, 1, 1, 1, 1, 1, 1"},
      {{"indicatori_vmax, 100, 1, 1, 1, 1, 1, 1, 1, 1", "indicatori_vmax, 120, 1, 1, 1, 1, 1, 1, 1, 1"},
       21,
       120,
       "indicatori_vmax, 120, 1, 1, 1, 1, 1, 1, 1, 1"},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.riga);
    linea_di_prova t;
    scrivi_con_generale(t, c.record);
    std::string testo = leggi_tutto(*t.f.cartella, file_linea(t.f));
    scrivi_tutto(*t.f.cartella, file_treno(t.f), "treno");
    memorizza_dati(t.f);
    EXPECT_EQ(t.f.numero_errore, c.errore);
    EXPECT_EQ(t.f.progressiva_errore, c.progressiva);
    EXPECT_EQ(t.f.origine.file, file_sorgente::linea);
    EXPECT_EQ(riga_indicata(testo, t.f.origine.offset), c.riga);
    EXPECT_FALSE(t.file_presente());
    EXPECT_FALSE(t.f.cartella->esiste(file_treno(t.f))) << "not read, but not left behind";
  }
}

TEST(LettoreLinea, EightyFirstMountainAndSignAreRefused) {
  {
    linea_di_prova t;
    std::string testo;
    for (const char* r : generale_1000) testo += std::string(r) + "\r\n";
    for (int i = 0; i < 81; ++i)
      testo += "montagna, " + std::to_string(i * 50) + ", " + std::to_string(i * 50) + ", 11\r\n";
    testo += "pendenza, 200, 1\r\n[fine]\r\n";
    scrivi_tutto(*t.f.cartella, file_linea(t.f), testo);
    EXPECT_EQ(t.leggi(), esito_lettura::interrotta);
    EXPECT_EQ(t.f.numero_errore, 26);
    EXPECT_EQ(t.f.progressiva_errore, 4000);
    EXPECT_EQ(t.f.numero_montagne, 80);
    EXPECT_EQ(t.f.montagna_inizio[80], 3950);
    EXPECT_EQ(t.f.cella_n(1).pendenza, 0) << "records after it are not read";
    EXPECT_FALSE(t.file_presente());
  }
  {
    linea_di_prova t;
    std::string testo;
    for (const char* r : generale_1000) testo += std::string(r) + "\r\n";
    for (int i = 0; i < 81; ++i)
      testo += "cartello_indicatore, " + std::to_string(i * 50) + ", s" + std::to_string(i) + "\r\n";
    testo += "[fine]\r\n";
    scrivi_tutto(*t.f.cartella, file_linea(t.f), testo);
    EXPECT_EQ(t.leggi(), esito_lettura::interrotta);
    EXPECT_EQ(t.f.numero_errore, 27);
    EXPECT_EQ(t.f.progressiva_errore, 4000);
    EXPECT_EQ(t.f.stazioni[1].nome, "s79");
    EXPECT_EQ(t.f.stazioni[0].nome, "");
    EXPECT_EQ(t.f.cella_n(81).tipo, cella_vuota);
    EXPECT_FALSE(t.file_presente());
  }
  {
    // A taken cell is found before the count.
    linea_di_prova t;
    std::string testo;
    for (const char* r : generale_1000) testo += std::string(r) + "\r\n";
    for (int i = 0; i < 80; ++i) testo += "cartello_indicatore, " + std::to_string(i * 50) + ", s\r\n";
    testo += "cartello_indicatore, 0, s\r\n[fine]\r\n";
    scrivi_tutto(*t.f.cartella, file_linea(t.f), testo);
    EXPECT_EQ(t.leggi(), esito_lettura::interrotta);
    EXPECT_EQ(t.f.numero_errore, 6);
  }
}

// Error 15 ends the record part only: the tail still runs and the reader
// reports it so that the train file is read.
TEST(LettoreLinea, RecordsBeyondTheCellsAreErrorFifteen) {
  struct caso {
    const char* record;
    std::int32_t progressiva;
  };
  const caso casi[] = {
      {"pendenza, 7901, 1", 7901},
      {"montagna, 7901, 7950, 1", 7901},
      {"montagna, 7000, 8000, 1", 7000},   // end cell 159 fits
      {"montagna, 7000, 8150, 11", 7000},  // end cell 162 does not
      {"montagna, -100, 500, 1", -100},    // first cell -2
      {"indicatori_vmax, 7901, 1, 1, 1, 1, 1, 1, 1, 1", 7901},
      {"indicatori_vmax, -100, 1, 1, 1, 1, 1, 1, 1, 1", -100},  // cell -1
      {"cartello_indicatore, 2147483647, a", 2147483647},
      {"cartello_indicatore, -80, a", -80},  // -0.6 -> cell -1
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.record);
    linea_di_prova t;
    scrivi_con_generale(t, {"pendenza, 500, 3", c.record, "pendenza, 1000, 4", "cartello_indicatore, 100, a"});
    std::string testo = leggi_tutto(*t.f.cartella, file_linea(t.f));
    esito_lettura esito = t.leggi();
    bool oltre = std::string(c.record) != "montagna, 7000, 8000, 1";
    if (!oltre) {
      EXPECT_EQ(esito, esito_lettura::continua);
      EXPECT_EQ(t.f.cella_n(159).montagna, 1);
      continue;
    }
    EXPECT_EQ(esito, esito_lettura::errore_15);
    EXPECT_EQ(t.f.numero_errore, 15);
    EXPECT_EQ(t.f.progressiva_errore, c.progressiva);
    EXPECT_EQ(riga_indicata(testo, t.f.origine.offset), c.record);
    EXPECT_FALSE(t.file_presente());
    // The tail fills with the last gradient read; later records are not read.
    EXPECT_EQ(t.f.cella_n(9).pendenza, 100);
    EXPECT_EQ(t.f.cella_n(10).pendenza, 103);
    EXPECT_EQ(t.f.cella_n(157).pendenza, 103);
    EXPECT_EQ(t.f.cella_n(158).pendenza, 0);
    EXPECT_EQ(t.f.cella_n(3).tipo, cella_vuota);
    for (const cella& z : t.f.percorso) EXPECT_EQ(z.montagna, 0);
  }
  // The last progressive that fits.
  linea_di_prova t;
  scrivi_con_generale(t, {"indicatori_vmax, 7900, 1, 1, 1, 1, 1, 1, 1, 1"});
  EXPECT_EQ(t.leggi(), esito_lettura::continua);
  EXPECT_EQ(t.f.cella_n(159).tipo, cella_indicatore_vmax);
}

TEST(LettoreLinea, SeparatorsAndKeywordsInTheRecordPart) {
  struct caso {
    const char* riga;
    std::uint8_t pendenza_cella_0;
  };
  // Up to two "-" items are skipped; the item in hand is examined after that.
  const caso casi[] = {
      {"pendenza, 100, 3", 103},         {"-, pendenza, 100, 3", 103},
      {"-, -, pendenza-x, 100, 3", 103}, {"-, -, -, pendenza-x, 100, 3", 100},
      {"pendenza-x, 100, 3", 100},       {"nuova PENDENZA media, 100, 3", 103},
      {"[pendenze], 100, 3", 100},
  };
  for (const caso& c : casi) {
    linea_di_prova t;
    scrivi_con_generale(t, {"pendenza, 0, 0", c.riga, "pendenza, 200, 0"});
    ASSERT_EQ(t.leggi(), esito_lettura::continua) << c.riga;
    EXPECT_EQ(t.f.cella_n(2).pendenza, c.pendenza_cella_0) << c.riga;
  }
}

TEST(LettoreLinea, LastItemOfTheFileIsNotExamined) {
  linea_di_prova t;
  t.scrivi({"[generale]", "lunghezza percorso, 1000", "[record]", "pendenza, 500, 3", "cartello_indicatore"});
  ASSERT_EQ(t.leggi(), esito_lettura::continua);
  EXPECT_EQ(t.f.cella_n(10).pendenza, 103);
  EXPECT_EQ(t.slot_cartello, 80);
}

// Error 25 goes through memorizza_dati, which deletes both source files.
TEST(LettoreLinea, FailuresDeleteBothSourceFiles) {
  struct caso {
    const char* nome;
    std::string testo;
    const char* indicato;  // text at the recorded offset; "" for the end of the file
  };
  const caso casi[] = {
      {"empty file", "", ""},
      {"record before the length", "[generale]\r\n[record]\r\npendenza, 100, 3\r\n[fine]\r\n", "pendenza"},
      {"no length at all", "[generale]\r\nsfondo uno, 1\r\n[fine]\r\n", ""},
      {"number over 32 bits", "[generale]\r\nlunghezza percorso, 99999999999\r\n[fine]\r\n", "99999999999"},
      {"cells not reaching cell 1", "[generale]\r\nlunghezza percorso, -6975\r\n[fine]\r\n", "-6975"},
      {"record cut by the end", "[generale]\r\nlunghezza percorso, 1000\r\n[record]\r\npendenza, 500", ""},
      {"packed board value out of range",
       "[generale]\r\nlunghezza percorso, 1000\r\n[record]\r\nindicatori_vmax, 100, 2000, 0, 0, 0, 0, 0, 0, "
       "0\r\n[fine]\r\n",
       "indicatori_vmax"},
      {"chainage reference overflowing",
       "[generale]\r\nlunghezza percorso, 1000\r\nprogressiva uno, 5, 2147483600, 1\r\n[fine]\r\n", "2147483600"},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.nome);
    linea_di_prova t;
    scrivi_tutto(*t.f.cartella, file_linea(t.f), c.testo);
    scrivi_tutto(*t.f.cartella, file_treno(t.f), "treno");
    memorizza_dati(t.f);
    EXPECT_EQ(t.f.numero_errore, 25);
    EXPECT_FALSE(t.file_presente());
    EXPECT_FALSE(t.f.cartella->esiste(file_treno(t.f)));
    EXPECT_EQ(t.f.origine.file, file_sorgente::linea);
    if (std::string(c.indicato).empty()) {
      EXPECT_EQ(t.f.origine.offset, c.testo.size());
    } else {
      EXPECT_EQ(c.testo.substr(t.f.origine.offset, std::string(c.indicato).size()), c.indicato);
    }
  }
}

TEST(LettoreLinea, BoardOutOfRangeLeavesItsCellUntouched) {
  linea_di_prova t;
  scrivi_con_generale(t, {"montagna, 1000, 2000, 11", "indicatori_vmax, 1100, 0, 0, 1639, 0, 0, 0, 0, 0"});
  EXPECT_THROW(t.leggi(), interruzione);
  EXPECT_EQ(t.f.cella_n(23).tipo, cella_segno_montagna);
  EXPECT_EQ(t.f.cella_n(23).valore_1, 0);
}

TEST(LettoreLinea, MissingFileIsError101) {
  linea_di_prova t;
  scrivi_tutto(*t.f.cartella, file_treno(t.f), "treno");
  memorizza_dati(t.f);
  EXPECT_EQ(t.f.numero_errore, 101);
  EXPECT_FALSE(t.f.percorso_esiste());
  EXPECT_FALSE(t.f.cartella->esiste(file_treno(t.f)));
}

}  // namespace
