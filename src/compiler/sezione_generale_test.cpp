#include "compiler/sezione_generale.h"

#include <gtest/gtest.h>

#include "base/stato.h"
#include "compiler/lettore_voci.h"
#include "compiler/linea_di_prova.h"
#include "compiler/memorizza_dati.h"

namespace {

TEST(SezioneGenerale, StoresEveryKeyAndSizesTheModel) {
  for (std::int32_t con_piano : {0, 1}) {
    linea_di_prova t(con_piano);
    t.scrivi({"intestazione libera, 12", "[generale]", "lunghezza percorso,    300000",
              "progressiva chilometrica tre,    0,    0,    0",
              "progressiva chilometrica due,    218300,    315200,    1",
              "progressiva chilometrica uno,    23450,    218300,    1", "sfondo uno,    1", "sfondo due,    220000",
              "sfondo tre,    241000", "ripetizione segnali 9 codici,    11000,    300000", "[curve]", "[fine]"});
    ASSERT_EQ(t.leggi(), esito_lettura::continua);
    const Form1& f = t.f;
    EXPECT_EQ(f.numero_errore, 0);
    EXPECT_EQ(f.lunghezza_estesa, 307000);
    EXPECT_EQ(f.numero_celle, 6140);
    EXPECT_EQ(f.percorso.size(), 6141u);
    EXPECT_EQ(f.planimetria.esiste(), con_piano != 0);
    if (con_piano != 0) {
      EXPECT_EQ(f.planimetria.ultimo_metro(), 307000);
    }
    EXPECT_EQ(f.stazioni[84].fine, 300000);
    // Sorted, flagged references +100.
    EXPECT_EQ(f.stazioni[81].inizio, 218300);
    EXPECT_EQ(f.stazioni[81].fine, 315300);
    EXPECT_EQ(f.stazioni[81].progressiva, 1);
    EXPECT_EQ(f.stazioni[82].inizio, 23450);
    EXPECT_EQ(f.stazioni[82].fine, 218400);
    EXPECT_EQ(f.stazioni[83].fine, 0);
    // "sfondo due" and "sfondo tre" go crosswise.
    EXPECT_EQ(f.stazioni[85].inizio, 1);
    EXPECT_EQ(f.stazioni[85].progressiva, 220000);
    EXPECT_EQ(f.stazioni[85].fine, 241000);
    EXPECT_EQ(f.stazioni[86].inizio, 11000);
    EXPECT_EQ(f.stazioni[86].fine, 300000);
    EXPECT_EQ(f.stazioni[86].progressiva, 9);
    EXPECT_FALSE(t.file_presente());
  }
}

TEST(SezioneGenerale, CellCountRoundsHalvesToEven) {
  struct caso {
    std::int32_t lunghezza;
    std::int32_t celle;
  };
  const caso casi[] = {{300000, 6140}, {25, 140},        {75, 142},  {0, 140},  {24, 140},
                       {26, 141},      {1000000, 20140}, {-6950, 1}, {-6974, 1}};
  for (const caso& c : casi) {
    linea_di_prova t;
    t.scrivi({"[generale]", "lunghezza percorso, " + std::to_string(c.lunghezza), "[fine]"});
    ASSERT_EQ(t.leggi(), esito_lettura::continua) << c.lunghezza;
    EXPECT_EQ(t.f.numero_celle, c.celle) << c.lunghezza;
    EXPECT_EQ(t.f.percorso.size(), static_cast<std::size_t>(c.celle) + 1) << c.lunghezza;
    EXPECT_EQ(t.f.lunghezza_estesa, c.lunghezza + 7000) << c.lunghezza;
  }
}

TEST(SezioneGenerale, RefusedValuesEndTheReadAndDeleteTheFile) {
  struct caso {
    const char* riga;
    std::int32_t errore;
    const char* voce_indicata;  // text at the recorded offset
  };
  const caso casi[] = {
      {"lunghezza percorso, 1000001", 1, "1000001"},
      {"ripetizione segnali 9 codici, 11025, 300000", 3, "11025"},
      {"ripetizione segnali 9 codici, -25, 300000", 3, "-25"},
      {"ripetizione segnali 9 codici, 11000, 300010", 4, "300010"},
      {"ripetizione segnali 9 codici, 11001, 300010", 3, "11001"},
      {"ripetizione segnali codici, 11000, 300000", 5, "ripetizione"},
      {"ripetizione segnali codici, 11000, 0", 5, "ripetizione"},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.riga);
    linea_di_prova t;
    t.scrivi({"[generale]", "lunghezza percorso, 1000", c.riga, "[pendenze]", "pendenza, 100, 3", "[fine]"});
    std::string testo = leggi_tutto(*t.f.cartella, file_linea(t.f));
    scrivi_tutto(*t.f.cartella, file_treno(t.f), "treno");
    t.f.progressiva_errore = -1;
    memorizza_dati(t.f);
    EXPECT_EQ(t.f.numero_errore, c.errore);
    EXPECT_EQ(t.f.progressiva_errore, -1);
    EXPECT_EQ(t.f.origine.file, file_sorgente::linea);
    EXPECT_EQ(testo.substr(t.f.origine.offset, std::string(c.voce_indicata).size()), c.voce_indicata);
    EXPECT_FALSE(t.file_presente());
    EXPECT_FALSE(t.f.cartella->esiste(file_treno(t.f))) << "not read, but not left behind";
    EXPECT_EQ(t.f.cella_n(1).pendenza, 0) << "no record is read";
  }
  // The refused length is still stored, and no model is made from it.
  linea_di_prova t;
  t.scrivi({"[generale]", "lunghezza percorso, 1000001", "[fine]"});
  EXPECT_EQ(t.leggi(), esito_lettura::interrotta);
  EXPECT_EQ(t.f.stazioni[84].fine, 1000001);
  EXPECT_FALSE(t.f.percorso_esiste());
}

TEST(SezioneGenerale, CodeCountOfTheRepetition) {
  struct caso {
    const char* riga;
    std::int32_t conta;
  };
  const caso casi[] = {
      {"ripetizione segnali 9 codici, 11000, 300000", 9},
      {"ripetizione segnali 4 codici, 11000, 300000", 4},
      {"ripetizione segnali 9 o 4 codici, 11000, 300000", 4},
      {"ripetizione segnali 9 codici, 11000, 0", 0},
      {"ripetizione segnali 49, 0, 0", 0},
  };
  for (const caso& c : casi) {
    linea_di_prova t;
    t.scrivi({"[generale]", "lunghezza percorso, 1000", c.riga, "[fine]"});
    ASSERT_EQ(t.leggi(), esito_lettura::continua) << c.riga;
    EXPECT_EQ(t.f.stazioni[86].progressiva, c.conta) << c.riga;
  }
}

TEST(SezioneGenerale, KeyTestsAndCase) {
  linea_di_prova t;
  t.scrivi({"[Generale]", "LUNGHEZZA del PERCORSO, 2000",
            "Progressiva chilometrica uno, 5, 6, 7",  // "progressiva" is case-sensitive
            "progressiva chilometrica Tre, 8, 9, 0",  // and so is "tre"
            "SFONDO uno, 4", "nuovo sfondo due bis, 3", "[fine]"});
  ASSERT_EQ(t.leggi(), esito_lettura::continua);
  EXPECT_EQ(t.f.numero_celle, 180);
  for (int i = 81; i <= 83; ++i) EXPECT_EQ(t.f.stazioni[static_cast<std::size_t>(i)].inizio, 0) << i;
  EXPECT_EQ(t.f.stazioni[85].inizio, 0);
  EXPECT_EQ(t.f.stazioni[85].progressiva, 3);
}

TEST(SezioneGenerale, OneItemMatchingSeveralKeysReadsForEach) {
  linea_di_prova t;
  t.scrivi({"[generale]", "lunghezza percorso, 1000", "sfondo uno due tre, 1, 2, 3", "[fine]"});
  ASSERT_EQ(t.leggi(), esito_lettura::continua);
  EXPECT_EQ(t.f.stazioni[85].inizio, 1);
  EXPECT_EQ(t.f.stazioni[85].progressiva, 2);
  EXPECT_EQ(t.f.stazioni[85].fine, 3);
}

TEST(SezioneGenerale, SectionEndsAtTheNextHeader) {
  linea_di_prova t;
  t.scrivi(
      {"[generale]", "lunghezza percorso, 1000", "[curve]", "lunghezza percorso, 2000", "sfondo uno, 5", "[fine]"});
  ASSERT_EQ(t.leggi(), esito_lettura::continua);
  EXPECT_EQ(t.f.numero_celle, 160);
  EXPECT_EQ(t.f.stazioni[85].inizio, 0);
  // A second length inside the section re-creates the model.
  linea_di_prova u(1);
  u.scrivi({"[generale]", "lunghezza percorso, 1000", "lunghezza percorso, 3000", "[curve]", "[fine]"});
  ASSERT_EQ(u.leggi(), esito_lettura::continua);
  EXPECT_EQ(u.f.numero_celle, 200);
  EXPECT_EQ(u.f.planimetria.ultimo_metro(), 10000);
}

TEST(SezioneGenerale, RulerItemsAreSkippedUpToTenInARow) {
  struct caso {
    int trattini;
    const char* chiave;
    bool dimensionato;
  };
  // Up to ten items holding "-" are skipped; the item in hand after the tenth
  // skip is examined even if it holds "-" too.
  const caso casi[] = {
      {0, "lunghezza-percorso", false},  {9, "lunghezza-percorso", false}, {10, "lunghezza-percorso", true},
      {11, "lunghezza-percorso", false}, {11, "lunghezza percorso", true}, {25, "lunghezza percorso", true},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(std::to_string(c.trattini) + " " + c.chiave);
    std::string testo = "[generale]\r\n";
    for (int i = 0; i < c.trattini; ++i) testo += i + 1 < c.trattini ? "-," : "-\r\n";
    testo += std::string(c.chiave) + ", 1000\r\n[fine]\r\n";
    linea_di_prova t;
    scrivi_tutto(*t.f.cartella, file_linea(t.f), testo);
    if (c.dimensionato) {
      EXPECT_EQ(t.leggi(), esito_lettura::continua);
    } else {
      EXPECT_THROW(t.leggi(), interruzione);  // a line never sized
    }
    EXPECT_EQ(t.f.numero_celle, c.dimensionato ? 160 : -1);
  }
  // A ruler straight after "[generale]" does not end the section.
  linea_di_prova t;
  t.scrivi({"[generale]", "---[ valori ]---", "lunghezza percorso, 1000", "[fine]"});
  ASSERT_EQ(t.leggi(), esito_lettura::continua);
  EXPECT_EQ(t.f.numero_celle, 160);
}

TEST(SezioneGenerale, GeneralHeaderMissingOrLast) {
  const std::initializer_list<std::string_view> file_senza[] = {
      {"lunghezza percorso, 1000", "[fine]"},
      {"lunghezza percorso, 1000", "[generale]"},
      {"[generale"},
  };
  for (const auto& righe : file_senza) {
    linea_di_prova t;
    t.scrivi(righe);
    EXPECT_EQ(t.leggi(), esito_lettura::interrotta);
    EXPECT_EQ(t.f.numero_errore, 102);
    EXPECT_FALSE(t.f.percorso_esiste());
    EXPECT_FALSE(t.file_presente());
  }
}

TEST(SezioneGenerale, LastItemOfTheFileIsNotExamined) {
  linea_di_prova t;
  t.scrivi({"[generale]", "sfondo uno, 4", "lunghezza percorso"});
  scrivi_tutto(*t.f.cartella, file_treno(t.f), "treno");
  memorizza_dati(t.f);
  EXPECT_EQ(t.f.numero_errore, 25);  // never sized
  EXPECT_EQ(t.f.stazioni[85].inizio, 4);
  EXPECT_FALSE(t.file_presente());
  EXPECT_FALSE(t.f.cartella->esiste(file_treno(t.f)));
}

}  // namespace
