#include "compiler/lettore_treno.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compiler/memorizza_dati.h"
#include "compiler/treno_di_prova.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"

namespace {

std::string righe_lettore_treno(const std::vector<std::string>& r) {
  std::string testo;
  for (const std::string& x : r) testo += x + "\r\n";
  return testo;
}

void scrivi_testo_lettore_treno(treno_di_prova& t, const std::string& testo) {
  t.testo = testo;
  scrivi_tutto(*t.f.cartella, file_treno(t.f), testo);
}

TEST(LettoreTreno, TrainValuesClockAndSandGoToTheGeneralEntries) {
  treno_di_prova t;
  t.scrivi({"percentuale massa frenata,    130", "numero vetture,    14",
            "orologio,    13              14            15 ", "sabbia,    300"});
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.f.numero_errore, 0);
  EXPECT_EQ(t.f.stazioni[84].inizio, 130);
  EXPECT_EQ(t.f.stazioni[84].progressiva, 14);
  EXPECT_EQ(t.f.stazioni[86].campo_9, 13);
  EXPECT_EQ(t.f.stazioni[86].campo_10, 14);
  EXPECT_EQ(t.f.stazioni[86].campo_11, 15);
  EXPECT_EQ(t.f.stazioni[86].campo_7, 300);
  EXPECT_FALSE(t.file_presente());
}

TEST(LettoreTreno, KeywordsAreFoundInAnyCaseAnywhereInTheField) {
  struct caso {
    const char* riga;
    std::int32_t vetture, massa;
  } casi[] = {
      {"NUMERO VETTURE, 14", 14, 0},
      {"il numero delle Vetture del treno, 14", 14, 0},
      {"Percentuale Massa Frenata, 130", 0, 130},
      {"frenata, 130", 0, 0},
      {"massa, 130", 0, 0},
      {"vetture e massa frenata, 9, 120", 120, 9},  // both tests match: braked mass first, then coaches
      {"vettura, 14", 0, 0},
  };
  for (const caso& k : casi) {
    treno_di_prova t;
    t.scrivi({k.riga});
    ASSERT_TRUE(t.leggi()) << k.riga;
    EXPECT_EQ(t.f.stazioni[84].progressiva, k.vetture) << k.riga;
    EXPECT_EQ(t.f.stazioni[84].inizio, k.massa) << k.riga;
  }
}

TEST(LettoreTreno, OneOrTwoHyphenatedFieldsInARowArePassedOver) {
  struct caso {
    std::vector<std::string> righe;
    std::int32_t vetture;
  } casi[] = {
      {{"----------", "numero vetture, 14"}, 14},
      {{"----------", "- - -", "numero vetture, 14"}, 14},
      {{"-a-", "-b-", "vetture-x, 9"}, 9},  // the third field is examined whatever it holds
      {{"-a-", "vetture-x, 9"}, 0},         // the keyword field is itself skipped, "9" examined
      {{"vetture-x, 9"}, 0},
  };
  for (const caso& k : casi) {
    treno_di_prova t;
    scrivi_testo_lettore_treno(t, "[generale]\r\n" + righe_lettore_treno(k.righe) + "[fine]\r\n");
    ASSERT_TRUE(t.leggi()) << k.righe.back();
    EXPECT_EQ(t.f.stazioni[84].progressiva, k.vetture) << k.righe.back();
  }
}

TEST(LettoreTreno, EverythingBeforeTheGeneralHeaderIsPassedOver) {
  treno_di_prova t;
  t.scrivi_file({"numero vetture, 14", "[GENERALE]", "percentuale massa frenata, 130", "[fine]"});
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.f.stazioni[84].progressiva, 0);
  EXPECT_EQ(t.f.stazioni[84].inizio, 130);
}

TEST(LettoreTreno, FileWithoutGeneralHeaderStoresNothingAndRecordsNoError) {
  struct caso {
    const char* nome;
    std::string testo;
  } casi[] = {
      {"records only", righe_lettore_treno({"numero vetture, 14", "velocita, 1000, 100", "[fine]"})},
      {"empty file", ""},
      {"header as the last field", righe_lettore_treno({"numero vetture, 14", "[generale]"})},
  };
  for (const caso& k : casi) {
    treno_di_prova t;
    scrivi_testo_lettore_treno(t, k.testo);
    ASSERT_TRUE(t.leggi()) << k.nome;
    EXPECT_EQ(t.f.numero_errore, 0) << k.nome;
    EXPECT_EQ(t.f.stazioni[84].progressiva, 0) << k.nome;
    EXPECT_FALSE(t.file_presente()) << k.nome;
  }
}

TEST(LettoreTreno, LastLineRecordIsReadAndALastSingleFieldIsDropped) {
  treno_di_prova t;
  t.scrivi_file({"[generale]", "numero vetture, 14"});
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.f.stazioni[84].progressiva, 14);

  // A keyword as the very last field is not examined, so it reads nothing.
  treno_di_prova u;
  u.scrivi_file({"[generale]", "numero vetture, 14", "velocita"});
  ASSERT_TRUE(u.leggi());
  EXPECT_EQ(u.f.numero_errore, 0);
}

// The file ends when nothing follows an item and its blanks and separator:
// an item read where a keyword is looked for is then not examined, while a
// record's values are read to the last byte.
TEST(LettoreTreno, TheFileEndsWhenNothingFollowsAnItemAndItsSeparator) {
  const struct {
    const char* coda;  // after "[generale]\r\n"
    std::int16_t sabbia;
    bool letto;  // false: error 25, a read past the end
  } casi[] = {
      {"sabbia, 300", 300, true},                    // the last value, no line end, no [fine]
      {"sabbia, 300,", 300, true},                   // a comma after it
      {"sabbia, 300\r\n\r\n", 300, true},            // an empty last line: an empty item, not examined
      {"sabbia, 300\r\n[fine]\r\n", 300, true},      // the embedded files' ending
      {"sabbia, 300\r\nsabbia", 300, true},          // a keyword last: not examined
      {"sabbia, 300\r\nsabbia  \r\n", 300, true},    // the same with blanks and a line end after it
      {"sabbia, 300\r\nsabbia,  \r\n", 0, true},     // blanks after its comma: examined, its value empty
      {"sabbia, 300\r\nvelocita, 100", 300, false},  // the file ends inside a record
  };
  for (const auto& c : casi) {
    treno_di_prova t;
    scrivi_testo_lettore_treno(t, std::string("[generale]\r\n") + c.coda);
    EXPECT_EQ(t.leggi(), c.letto) << c.coda;
    EXPECT_EQ(t.f.stazioni[86].campo_7, c.sabbia) << c.coda;
    EXPECT_EQ(t.f.numero_errore, 0) << c.coda;
  }
}

TEST(LettoreTreno, ReadFailuresAreError25AtTheFieldAtFault) {
  struct caso {
    std::vector<std::string> righe;
    const char* campo;  // nullptr: the end of the file
  } casi[] = {
      {{"velocita, 100"}, nullptr},  // the record ends inside itself at the end of the file
      {{"orologio, 13, 40000, 15"}, "40000"}, {{"orologio, 13, -32769, 15"}, "-32769"},
      {{"sabbia, 70000"}, "70000"},           {{"numero vetture, 99999999999"}, "99999999999"},
  };
  for (const caso& k : casi) {
    treno_di_prova t;
    scrivi_testo_lettore_treno(t, "[generale]\r\n" + righe_lettore_treno(k.righe));
    EXPECT_FALSE(t.leggi()) << k.righe[0];
    EXPECT_EQ(t.f.origine.file, file_sorgente::treno);
    EXPECT_EQ(t.f.origine.offset, k.campo ? t.offset_di(k.campo) : t.testo.size()) << k.righe[0];
  }
}

TEST(LettoreTreno, FieldsReadBeforeAFailureStayStored) {
  treno_di_prova t;
  t.scrivi({"orologio, 13, 40000, 15"});
  EXPECT_FALSE(t.leggi());
  EXPECT_EQ(t.f.stazioni[86].campo_9, 13);
  EXPECT_EQ(t.f.stazioni[86].campo_10, 0);
}

TEST(LettoreTreno, MissingFileIsAReadFailure) {
  treno_di_prova t;
  EXPECT_FALSE(t.leggi());
  EXPECT_EQ(t.f.origine.file, file_sorgente::treno);
  EXPECT_EQ(t.f.percorso.size(), 6141u);
}

TEST(LettoreTreno, CodePointsTakeTheirCellWithOrWithoutACode) {
  struct caso {
    const char* riga;
    std::int32_t cella_n;
    std::uint8_t tipo;
    std::int16_t valore_1;
  } casi[] = {
      {"abbattimento,   10000,   270", 200, cella_codice, 270},
      {"abbattimento,  218700,   AC", 4374, cella_codice_senza_valore, 0},
      {"abbattimento,  10025,   -4", 200, cella_codice_senza_valore, 0},  // 200.5 -> 200
      {"abbattimento,  10075,   0", 202, cella_codice_senza_valore, 0},   // 201.5 -> 202
      {"abbattimento,  10000,   70000", 200, cella_codice, 4464},         // low 16 bits
  };
  for (const caso& k : casi) {
    treno_di_prova t;
    t.c(k.cella_n).tipo = cella_segno_montagna;  // a mountain marker gives way
    t.scrivi({k.riga});
    ASSERT_TRUE(t.leggi()) << k.riga;
    EXPECT_EQ(t.f.numero_errore, 0) << k.riga;
    EXPECT_EQ(t.c(k.cella_n).tipo, k.tipo) << k.riga;
    EXPECT_EQ(t.c(k.cella_n).valore_1, k.valore_1) << k.riga;
  }
}

TEST(LettoreTreno, SignalAndSlowdownRecordsArePlaced) {
  treno_di_prova t;
  t.scrivi({"segnale,    2800,   2, 4, 1,  1, 0,    2,  2,1,1, 0",
            "segnale,  133950,   2, 4, 0,  0, 0,    2,  2,0,0, 140",
            "rallentamento,  259150,    90,  450, 0,  0,  60"});
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.f.numero_errore, 0);
  EXPECT_EQ(t.c(57).tipo, cella_segnale);
  EXPECT_EQ(t.c(57).valore_1, 42);
  EXPECT_EQ(t.c(49).valore_6, 84);
  EXPECT_EQ(t.c(2680).valore_5, 140);
  EXPECT_EQ(t.c(5160).tipo, cella_avviso_rallentamento);
  EXPECT_EQ(t.c(5184).tipo, cella_inizio_rallentamento);
  EXPECT_EQ(t.c(5193).tipo, cella_fine_rallentamento);
  EXPECT_EQ(t.c(5193).valore_2, 60);
}

// Each value field of a signal lands in its own digit: tens from fields 3 to
// 6, units from fields 8 to 10, so two fields exchanged change what the cab
// shows. The first row is one of the embedded signals whose 4th and 9th
// fields differ; the second gives every field a value of its own.
TEST(LettoreTreno, EverySignalFieldLandsInItsOwnPlace) {
  struct caso {
    const char* riga;
    std::int32_t cella_n;
    std::int16_t valore_1, valore_2, valore_3, valore_4;
    std::uint8_t valore_5, marca_1;
  };
  const caso casi[] = {
      {"segnale,    4550,   2, 2, 3,  1, 1,    2,  2,1,1, 0", 92, 22, 31, 11, 18, 0, 81},
      {"segnale,    2800,   2, 4, 3,  1, 2,    5,  6,7,8, 140", 57, 46, 37, 18, 31, 140, 111},
      {"segnale,    2800,   1, 9, 8,  7, 6,    5,  4,3,2, 140", 57, 94, 83, 72, 68, 0, 81},
  };
  for (const auto& k : casi) {
    SCOPED_TRACE(k.riga);
    treno_di_prova t;
    t.scrivi({k.riga});
    ASSERT_TRUE(t.leggi());
    EXPECT_EQ(t.f.numero_errore, 0);
    const cella& c = t.c(k.cella_n);
    EXPECT_EQ(c.tipo, cella_segnale);
    EXPECT_EQ(c.valore_1, k.valore_1);
    EXPECT_EQ(c.valore_2, k.valore_2);
    EXPECT_EQ(c.valore_3, k.valore_3);
    EXPECT_EQ(c.valore_4, k.valore_4);
    EXPECT_EQ(c.valore_5, k.valore_5);
    EXPECT_EQ(t.c(k.cella_n - 2).valore_6, k.marca_1);
  }
}

// A record that stops the reader: its error and progressive are recorded,
// nothing after it is read, no fill-out is made, and the file is gone.
TEST(LettoreTreno, ConflictsStopTheReaderWithTheRecordsProgressive) {
  struct caso {
    std::int32_t occupata;  // cell given a speed board beforehand
    const char* riga;
    std::int32_t errore, progressiva;
  } casi[] = {
      {57, "segnale,    2800,   2, 4, 1,  1, 0,    2,  2,1,1, 0", 16, 2800},
      {5160, "rallentamento,  259150,    90,  450, 0,  1,  60", 17, 259150},
      {5184, "rallentamento,  259150,    90,  450, 0,  1,  60", 18, 259150},
      {5193, "rallentamento,  259150,    90,  450, 0,  1,  60", 19, 259150},
      {5156, "rallentamento,  259150,    90,  450, 0,  1,  60", 20, 259150},
      {200, "abbattimento,   10000,   270", 7, 10000},
  };
  for (const caso& k : casi) {
    treno_di_prova t;
    t.c(k.occupata).tipo = cella_indicatore_vmax;
    t.scrivi({"velocita, 0, 30", "velocita, 100, 50", k.riga, "numero vetture, 14"});
    ASSERT_TRUE(t.leggi()) << k.riga;
    EXPECT_EQ(t.f.numero_errore, k.errore) << k.riga;
    EXPECT_EQ(t.f.progressiva_errore, k.progressiva) << k.riga;
    EXPECT_EQ(t.f.origine.file, file_sorgente::treno);
    EXPECT_EQ(t.f.origine.offset, t.offset_di(k.riga)) << k.riga;
    EXPECT_EQ(t.f.stazioni[84].progressiva, 0) << "nothing after the record is read";
    EXPECT_EQ(t.c(2).velocita, 0) << "no fill-out after " << k.riga;
    EXPECT_FALSE(t.file_presente()) << k.riga;
  }
}

// Beyond the cell array: error 15 with the record's progressive, then the
// end-of-file path (the fill-outs run), nothing after the record is read.
TEST(LettoreTreno, RecordsOutsideTheCellArrayAreError15AndTakeTheEndOfFilePath) {
  struct caso {
    const char* riga;
    std::int32_t progressiva;
  } casi[] = {
      {"velocita, 306950, 100", 306950},  // (306950 + 100)/50 = 6141 > 6140
      {"aderenza, 306901, 70", 306901},
      {"abbattimento, 306950, 270", 306950},
      {"segnale, 306950, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0", 306950},
      {"rallentamento, 306950, 90, 450, 0, 0, 60", 306950},
      {"stazione, 306250, 2, 700, 1, 1, 0, 4, 1, 1, 2, 1, 1, 60, 13, 57, 0, X", 306250},
      {"segnale, -150, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0", -150},          // cell -2
      {"abbattimento, -50, 270", -50},                                // cell -1
      {"rallentamento, 300000, 90, 10000, 0, 0, 60", 300000},         // end cell 6201
      {"rallentamento, -500, 90, 100, 0, 0, 60", -500},               // start cell -9
      {"rallentamento, 2147483000, 90, 1000, 0, 0, 60", 2147483000},  // no overflow in p + 100
  };
  for (const caso& k : casi) {
    treno_di_prova t;
    t.scrivi({"velocita, 0, 30", k.riga, "numero vetture, 14"});
    ASSERT_TRUE(t.leggi()) << k.riga;
    EXPECT_EQ(t.f.numero_errore, 15) << k.riga;
    EXPECT_EQ(t.f.progressiva_errore, k.progressiva) << k.riga;
    EXPECT_EQ(t.f.origine.offset, t.offset_di(k.riga)) << k.riga;
    EXPECT_EQ(t.f.stazioni[84].progressiva, 0) << k.riga;
    EXPECT_EQ(t.c(6137).velocita, 6) << "fill-out after " << k.riga;
    EXPECT_FALSE(t.file_presente()) << k.riga;
  }
}

TEST(LettoreTreno, LastProgressivesInsideTheArrayAreAccepted) {
  treno_di_prova t;
  t.scrivi({"velocita, 306900, 100", "abbattimento, 306900, 270", "segnale, 306900, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0",
            "stazione, 306200, 26, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, X"});
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.f.numero_errore, 0);
  EXPECT_EQ(t.c(6138).tipo, cella_codice);
  EXPECT_EQ(t.c(6139).tipo, cella_segnale);
  EXPECT_EQ(t.c(6137).velocita, 0);
  EXPECT_EQ(t.c(6138).velocita, 20) << "the fill-out writes at least the cell at its position";
  EXPECT_EQ(t.c(6139).velocita, 0);
  EXPECT_EQ(t.f.stazioni[1].fine, 306250);
}

TEST(LettoreTreno, ErrorFifteenOfTheLineStopsTheReaderAfterTheFirstPlacement) {
  struct caso {
    const char* riga;
    std::int32_t progressiva, cella_n;
    std::uint8_t tipo;
  };
  const caso casi[] = {
      {"segnale,    2800,   2, 4, 1,  1, 0,    2,  2,1,1, 0", 2800, 57, cella_segnale},
      {"rallentamento,  259150,    90,  450, 0,  0,  60", 259150, 5184, cella_inizio_rallentamento},
  };
  for (const auto& k : casi) {
    SCOPED_TRACE(k.riga);
    treno_di_prova t;
    t.f.numero_errore = 15;
    t.f.progressiva_errore = 400000;
    t.scrivi({"velocita, 0, 30", "velocita, 100, 50", k.riga, "numero vetture, 14"});
    ASSERT_TRUE(t.leggi());
    EXPECT_EQ(t.f.numero_errore, 15);
    EXPECT_EQ(t.f.progressiva_errore, k.progressiva);
    EXPECT_EQ(t.c(k.cella_n).tipo, k.tipo) << "placed before stopping";
    EXPECT_EQ(t.f.stazioni[84].progressiva, 0);
    EXPECT_EQ(t.c(2).velocita, 0) << "no fill-out";
    EXPECT_FALSE(t.file_presente());
  }
}

TEST(LettoreTreno, ErrorFifteenOfTheLineStandsWhenNothingReplacesIt) {
  treno_di_prova t;
  t.f.numero_errore = 15;
  t.f.progressiva_errore = 400000;
  t.scrivi({"velocita, 0, 30", "numero vetture, 14", "abbattimento, 10000, 270"});
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.f.numero_errore, 15);
  EXPECT_EQ(t.f.progressiva_errore, 400000);
  EXPECT_EQ(t.f.stazioni[84].progressiva, 14);
  EXPECT_EQ(t.c(200).tipo, cella_codice);
}

TEST(LettoreTreno, ChainageOffTheFiftyMetreGridIsError2AtTheEnd) {
  struct caso {
    int voce;
    bool inizio;
  } casi[] = {{81, true}, {81, false}, {82, true}, {82, false}, {83, true}, {83, false}};
  for (const caso& k : casi) {
    for (bool con_15 : {false, true}) {
      treno_di_prova t;
      (k.inizio ? t.f.stazioni[k.voce].inizio : t.f.stazioni[k.voce].fine) += 25;
      t.f.progressiva_errore = 1234;
      t.scrivi({"velocita, 0, 30", con_15 ? "velocita, 306950, 100" : "numero vetture, 14"});
      ASSERT_TRUE(t.leggi());
      EXPECT_EQ(t.f.numero_errore, 2) << "entry " << k.voce << (k.inizio ? " start" : " reference");
      EXPECT_EQ(t.f.progressiva_errore, con_15 ? 306950 : 1234);
      EXPECT_EQ(t.c(6137).velocita, 6);
    }
  }
}

TEST(LettoreTreno, ChainageOnTheGridLeavesNoError) {
  treno_di_prova t;
  t.f.stazioni[83].inizio = -50;
  t.f.stazioni[83].fine = 100;
  t.scrivi({"numero vetture, 14"});
  ASSERT_TRUE(t.leggi());
  EXPECT_EQ(t.f.numero_errore, 0);
}

// The whole compiler input: a read failure of the train file deletes both
// source files and records 25; every other way out leaves neither file.
TEST(LettoreTreno, SourceFilesAreGoneAfterEveryWayOutOfTheCompilerInput) {
  struct caso {
    const char* nome;
    const char* treno;  // nullptr: no train file
    std::int32_t errore;
  } casi[] = {
      {"normal end", "[generale]\r\nnumero vetture, 14\r\n[fine]\r\n", 0},
      {"missing train file", nullptr, 25},
      {"read failure", "[generale]\r\nsabbia, 70000\r\n[fine]\r\n", 25},
      {"conflict",
       "[generale]\r\nsegnale, 2800, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0\r\nsegnale, 2800, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0\r\n",
       16},
      {"beyond the line", "[generale]\r\nvelocita, 306950, 100\r\n[fine]\r\n", 15},
  };
  for (const caso& k : casi) {
    treno_di_prova t;
    Form1 f;
    f.cartella = t.f.cartella;
    f.nome_percorso = t.f.nome_percorso;
    f.numero_treno = t.f.numero_treno;
    scrivi_tutto(*f.cartella, file_linea(f), "[generale]\r\nlunghezza percorso, 300000\r\n[fine]\r\n");
    if (k.treno) scrivi_tutto(*f.cartella, file_treno(f), k.treno);
    memorizza_dati(f);
    EXPECT_EQ(f.numero_errore, k.errore) << k.nome;
    EXPECT_FALSE(f.cartella->esiste(file_linea(f))) << k.nome;
    EXPECT_FALSE(f.cartella->esiste(file_treno(f))) << k.nome;
    EXPECT_EQ(f.percorso.size(), 6141u) << k.nome;
  }
}

// The embedded scenario, read after its line: 45 stations, no error, and
// the objects of the records the rest of the program relies on.
TEST(LettoreTreno, EmbeddedTrainFileReadsWithoutError) {
  form_di_prova prova("Velstra_Ordoven", "318");
  Form1& f = prova.f;
  dati_linea(f);
  dati_treno(f);
  memorizza_dati(f);
  EXPECT_EQ(f.numero_errore, 0);
  EXPECT_FALSE(f.cartella->esiste(file_treno(f)));
  for (std::size_t k = 1; k <= 45; ++k) EXPECT_NE(f.stazioni[k].fine, 0) << "station " << k;
  EXPECT_EQ(f.stazioni[46].nome, "");
  EXPECT_EQ(f.stazioni[46].fine, 0);
  EXPECT_EQ(f.stazioni[14].nome, "PIACENZA");
  EXPECT_EQ(f.stazioni[14].orario, 50220);
  EXPECT_EQ(f.cella_n(1435).tipo, cella_fine_stazione);
  EXPECT_EQ(f.cella_n(57).tipo, cella_segnale);
  EXPECT_EQ(f.cella_n(2680).valore_5, 140);
  EXPECT_EQ(f.cella_n(5184).tipo, cella_inizio_rallentamento);
  EXPECT_EQ(f.cella_n(200).tipo, cella_codice);
  EXPECT_EQ(f.cella_n(200).valore_1, 270);
  EXPECT_EQ(f.cella_n(4374).tipo, cella_codice_senza_valore);
}

}  // namespace
