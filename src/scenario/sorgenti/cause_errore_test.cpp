#include <gtest/gtest.h>

#include <sstream>
#include <string_view>

#include "base/catalogo_errori.h"
#include "base/nomi_file.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"
#include "model/form1.h"
#include "scenario/comandi/comando_compile.h"
#include "scenario/sorgenti/diagnostica.h"
#include "scenario/sorgenti/errori_di_prova.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/form_di_prova.h"

namespace {

using namespace errori_di_prova;

// The lines of stderr, less compile's closing word on incomplete files
// (its own test is below).
constexpr std::string_view incompleti = "scenario compile: i file compatti scritti sono incompleti";

std::vector<std::string> righe_di_cause_errore(const std::string& testo) {
  std::vector<std::string> v;
  std::istringstream in(testo);
  for (std::string r; std::getline(in, r);)
    if (!r.starts_with(incompleti)) v.push_back(r);
  return v;
}

TEST(CauseErrore, CompilePointsAtTheFaultyFieldOfEachSource) {
  for (const auto& c : errori_di_prova::casi) {
    cartella_temporanea dir;
    form_su_disco f(dir.percorso);
    const std::string nome = scrivi_caso(f, c);
    const std::size_t colonna = c.testo.find(c.campo) + 1;

    std::ostringstream out, err;
    const std::vector<std::string> argomenti{dir.percorso.string(), "Velstra_Ordoven", "318"};
    EXPECT_EQ(comando_compile(argomenti, out, err), 1) << c.testo;
    const auto righe = righe_di_cause_errore(err.str());
    // A fourth line notes the record that took the cell, for the errors of a taken cell.
    ASSERT_GE(righe.size(), 3u) << err.str();
    ASSERT_LE(righe.size(), 4u) << err.str();
    if (righe.size() == 4) {
      EXPECT_NE(righe[3].find(": nota: qui il record che ha messo "), std::string::npos) << righe[3];
    }
    const std::string inizio =
        nome + ":" + std::to_string(c.riga) + ":" + std::to_string(colonna) + ": Errore n. " + std::to_string(c.numero);
    EXPECT_EQ(righe[0].rfind(inizio, 0), 0u) << righe[0] << "\nexpected " << inizio;
    EXPECT_NE(righe[0].find(c.dettaglio), std::string::npos) << righe[0];
    EXPECT_EQ(righe[1], "    " + c.testo);
    EXPECT_EQ(righe[2], std::string(4 + colonna - 1, ' ') + "^");

    std::ostringstream out_json, err_json;
    const std::vector<std::string> con_json{"--json", dir.percorso.string(), "Velstra_Ordoven", "318"};
    EXPECT_EQ(comando_compile(con_json, out_json, err_json), 1);
    const std::string campi = "\"file\": \"" + nome + "\", \"riga\": " + std::to_string(c.riga) +
                              ", \"colonna\": " + std::to_string(colonna) + ", \"codice\": \"" +
                              std::to_string(c.numero) + "\", \"numero_errore\": " + std::to_string(c.numero) +
                              ", \"messaggio\": \"Errore n. " + std::to_string(c.numero);
    EXPECT_NE(out_json.str().find(campi), std::string::npos) << out_json.str() << "\nexpected " << campi;
  }
}

// A record refused because its cell is taken names, as a note, the line of
// the record that took it: a second signal at 2800 m after the first one.
TEST(CauseErrore, ATakenCellIsTracedToTheRecordThatTookIt) {
  cartella_temporanea dir;
  form_su_disco f(dir.percorso);
  std::size_t primo = 0, k = 1;
  for (std::string_view r : righe_treno()) {
    if (r.starts_with("segnale,    2800,")) primo = k;
    ++k;
  }
  ASSERT_NE(primo, 0u);
  scrivi_tutto(*f.cartella, file_linea(f), con_riga(righe_linea(), 0, ""));
  scrivi_tutto(*f.cartella, file_treno(f),
               con_riga(righe_treno(), primo + 3, "segnale,    2800,   2, 4, 1,  1, 0,    2,  2,1,1, 0"));
  std::ostringstream out, err;
  EXPECT_EQ(comando_compile(std::vector<std::string>{dir.percorso.string(), "Velstra_Ordoven", "318"}, out, err), 1);
  const auto righe = righe_di_cause_errore(err.str());
  ASSERT_EQ(righe.size(), 4u) << err.str();
  EXPECT_EQ(righe[0].rfind("Velstra_Ordoven_318-.txt:" + std::to_string(primo + 3) + ":13: Errore n. 16", 0), 0u)
      << righe[0];
  EXPECT_EQ(righe[3], "Velstra_Ordoven_318-.txt:" + std::to_string(primo) +
                          ":1: nota: qui il record che ha messo un segnale nella cella 57");

  std::ostringstream out_json, err_json;
  comando_compile(std::vector<std::string>{"--json", dir.percorso.string(), "Velstra_Ordoven", "318"}, out_json,
                  err_json);
  // The compact files written from what was read up to the refused record are said to be incomplete.
  EXPECT_NE(err.str().find(std::string(incompleti) + " (Velstra_Ordoven_linea.dat, Velstra_Ordoven_318.sim, "
                                                     "Velstra_Ordoven_318.dat)"),
            std::string::npos)
      << err.str();
  EXPECT_NE(out_json.str().find("\"file_completi\": false"), std::string::npos) << out_json.str();
  EXPECT_NE(
      out_json.str().find("\"nota\": {\"file\": \"Velstra_Ordoven_318-.txt\", \"riga\": " + std::to_string(primo)),
      std::string::npos)
      << out_json.str();
}

// The embedded line has 18 mountain stretches: 63 more make the 81st, which
// the table has no room for; it is named at its own line.
TEST(CauseErrore, TheEightyFirstMountainStretchIsNamedAtItsLine) {
  cartella_temporanea dir;
  form_su_disco f(dir.percorso);
  dati_linea(f);
  dati_treno(f);
  constexpr std::size_t riga_cartelli = 304;  // the "[cartelli]" header
  ASSERT_EQ(righe_linea()[riga_cartelli - 1], "[cartelli]");
  std::string montagne;
  for (int k = 0; k < 63; ++k) {
    if (k) montagne += "\r\n";
    montagne += "montagna,   " + std::to_string(100000 + k * 400) + ",  " + std::to_string(100200 + k * 400) + ",  2";
  }
  scrivi_tutto(*f.cartella, file_linea(f), con_riga(righe_linea(), riga_cartelli, montagne));

  std::ostringstream out, err;
  const std::vector<std::string> argomenti{dir.percorso.string(), "Velstra_Ordoven", "318"};
  EXPECT_EQ(comando_compile(argomenti, out, err), 1);
  const auto righe = righe_di_cause_errore(err.str());
  ASSERT_EQ(righe.size(), 3u) << err.str();
  EXPECT_EQ(righe[0].rfind("Velstra_Ordoven_linea.txt:" + std::to_string(riga_cartelli + 62) +
                               ":13: Errore n. 26 (progressiva 124800, pk 93+500): troppi tratti di montagna",
                           0),
            0u)
      << righe[0];
  EXPECT_EQ(righe[1], "    montagna,   124800,  125000,  2");
}

TEST(CauseErrore, WithoutAPlaceInTheSourcesTheProgramsLineStays) {
  Form1 f;
  f.nome_percorso = "Velstra_Ordoven";
  f.numero_treno = "318";
  f.numero_errore = 12;
  f.progressiva_errore = 5000;
  testi_sorgente t;
  struct caso {
    origine_errore origine;
    bool treno_esiste;
  };
  // From the code check; in a train file that is missing; past the end of the text.
  const caso casi_senza[] = {{{}, true}, {{file_sorgente::treno, 0}, false}, {{file_sorgente::treno, 9}, true}};
  for (const auto& c : casi_senza) {
    f.origine = c.origine;
    t.treno_esiste = c.treno_esiste;
    t.treno = "abc";
    const diagnostica d = diagnostica_errore(f, t);
    EXPECT_FALSE(d.con_posizione);
    std::ostringstream err;
    stampa_diagnostica(err, d);
    EXPECT_EQ(err.str(),
              "Velstra_Ordoven_318-.txt: Errore n. 12 (progressiva 5000): nessuna cella libera per il codice prima "
              "dell'inizio del rallentamento\n");
  }
}

// Every number the compiler can record, and the two the run ends with, is
// printed with its explanation, never bare.
TEST(CauseErrore, EveryErrorNumberIsExplained) {
  const std::int32_t numeri[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,  12,  13,  15,   16,
                                 17, 18, 19, 20, 21, 22, 24, 25, 26, 27, 101, 102, 103, 1250, 1251};
  for (const std::int32_t n : numeri) {
    const std::string descrizione = descrizione_errore(n);
    EXPECT_NE(descrizione, "errore sconosciuto") << n;
    Form1 f;
    f.nome_percorso = "R";
    f.numero_treno = "1";
    f.numero_errore = n < 1250 ? n : 0;
    std::ostringstream err;
    stampa_diagnostica(err, diagnostica_fine(f, std::to_string(n), testi_sorgente{}));
    EXPECT_NE(err.str().find("Errore n. " + std::to_string(n)), std::string::npos) << err.str();
    EXPECT_NE(err.str().find(descrizione), std::string::npos) << err.str();
  }
}

// Read errors, and runs that end before the cell array exists (status 2):
// the error is placed and explained.
TEST(CauseErrore, ReadErrorsAndRunsEndedByAnErrorArePlacedAndExplained) {
  struct caso {
    const char* linea;
    std::string inizio;  // the error's line of stderr begins so
    int stato = 2;
  };
  const caso casi_fine[] = {
      {"solo testo\r\n", "Velstra_Ordoven_linea.txt:1:1: Errore n. 102: intestazione [generale] mancante"},
      {"[generale]\r\nlunghezza percorso,    2000000\r\n[fine]\r\n",
       "Velstra_Ordoven_linea.txt:2:24: Errore n. 1: lunghezza del percorso oltre 1000000 m"},
      {"[generale]\r\nlunghezza percorso,    99999999999\r\n[fine]\r\n",
       "Velstra_Ordoven_linea.txt:2:24: Errore n. 25: errore di lettura: il valore non entra in un numero di 32 bit"},
      {"[generale]\r\nsfondo uno,    1\r\n[curve]\r\ncurvas1,  16800,  6450\r\n[fine]\r\n",
       "Velstra_Ordoven_linea.txt:4:1: Errore n. 25: errore di lettura: record prima della lunghezza del percorso"},
      {"[generale]\r\nlunghezza percorso,    300000\r\n[pendenze]\r\npendenza,  9800",
       "Velstra_Ordoven_linea.txt:4:16: Errore n. 25: errore di lettura: il file finisce dentro un record", 1},
      {"[generale]\r\nlunghezza percorso,    300000\r\n[pendenze]\r\npendenza,  9800\r\n",
       "Velstra_Ordoven_linea.txt:4:16: Errore n. 25: errore di lettura: il file finisce dentro un record", 1},
  };
  for (const caso& c : casi_fine) {
    cartella_temporanea dir;
    form_su_disco f(dir.percorso);
    dati_treno(f);
    scrivi_tutto(*f.cartella, file_linea(f), c.linea);
    std::ostringstream out, err;
    const std::vector<std::string> argomenti{dir.percorso.string(), "Velstra_Ordoven", "318"};
    EXPECT_EQ(comando_compile(argomenti, out, err), c.stato) << c.linea;
    const auto righe = righe_di_cause_errore(err.str());
    ASSERT_GE(righe.size(), 3u) << err.str();
    EXPECT_EQ(righe[righe.size() - 3].rfind(c.inizio, 0), 0u) << err.str() << "\nexpected " << c.inizio;
    EXPECT_NE(righe[righe.size() - 2], "    ") << "the line at fault is shown";
  }
}

}  // namespace
