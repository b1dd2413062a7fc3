#include "scenario/comandi/comando_testo.h"

#include <gtest/gtest.h>

#include <sstream>

#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/testo_di_prova.h"

namespace {

struct esito_comando_testo {
  int stato = 0;
  std::string out, err;
};

esito_comando_testo testo_comando_testo(const std::vector<std::string>& argomenti) {
  std::ostringstream out, err;
  const int s = comando_testo(argomenti, out, err);
  return {s, out.str(), err.str()};
}

constexpr char senza_linea[] = "# senza il file della linea: nessun punto chilometrico\n";
constexpr char con_linea[] = "# punti chilometrici dal file della linea\n";
constexpr char con_treno[] = "# stazioni dal file del treno\n";
constexpr char senza_treno[] = "# senza il file del treno: nessun nome di stazione\n";

// The partner beside the file gives the posts and the names; --solo and a
// name that does not say the route leave them out, --linea names it anywhere.
TEST(ComandoTesto, FindsThePartnerBesideTheFileOrWhereNamed) {
  cartella_temporanea dir;
  const auto d = dir.percorso;
  scrivi_tutto(d / "A_B_linea.txt", testo_righe(righe_linea()));
  scrivi_tutto(d / "A_B_7-.txt", testo_righe(righe_treno()));
  scrivi_tutto(d / "copia.txt", testo_righe(righe_treno()));
  const std::string treno = (d / "A_B_7-.txt").string(), linea = (d / "A_B_linea.txt").string();
  struct caso {
    std::vector<std::string> argomenti;
    const char* atteso;
  };
  const caso casi[] = {
      {{treno}, con_linea},
      {{treno, "--solo"}, senza_linea},
      {{(d / "copia.txt").string()}, senza_linea},  // read as a train file by its bytes
      {{(d / "copia.txt").string(), "--linea", linea}, con_linea},
      {{linea}, con_treno},
      {{linea, "--solo"}, senza_treno},
  };
  for (const caso& c : casi) {
    const esito_comando_testo e = testo_comando_testo(c.argomenti);
    EXPECT_EQ(e.stato, 0) << c.argomenti[0] << e.err;
    EXPECT_TRUE(contiene(e.out, c.atteso)) << c.argomenti[0];
  }
  EXPECT_TRUE(contiene(testo_comando_testo({treno}).out, "\nsegnale 2800 (cella 57, pk 2+800): tipo_segnale=2 "));
  EXPECT_TRUE(contiene(testo_comando_testo({treno, "--solo"}).out, "\nsegnale 2800 (cella 57): tipo_segnale=2 "));
  // Two trains of the route beside the line file: neither names its places.
  scrivi_tutto(d / "A_B_8-.txt", testo_righe(righe_treno()));
  EXPECT_TRUE(contiene(testo_comando_testo({linea}).out, senza_treno));
}

TEST(ComandoTesto, ExitStatus) {
  cartella_temporanea dir;
  const auto d = dir.percorso;
  scrivi_tutto(d / "R_linea.txt", testo_righe(righe_linea()));
  scrivi_tutto(d / "rotto-.txt", std::string("\0\xFF[generale]\r\nsegnale, 1", 24));
  const std::string linea = (d / "R_linea.txt").string();
  struct caso {
    std::vector<std::string> argomenti;
    int stato;
    const char* messaggio;  // on stderr, or on stdout for status 0
  };
  const caso casi[] = {
      {{(d / "rotto-.txt").string()}, 0, "il file finisce dentro un record"},
      {{(d / "manca-.txt").string()}, 2, "manca-.txt: file non trovato"},
      {{(d / "rotto-.txt").string(), "--linea", (d / "manca_linea.txt").string()}, 2, "file non trovato"},
      {{}, 64, "serve una sola FILE"},
      {{linea, "--linea", linea}, 64, "--linea vale per un file del treno"},
      {{(d / "rotto-.txt").string(), "--solo", "--linea", linea}, 64, "--solo e --linea insieme"},
      {{linea, "--json"}, 64, "--json"},
  };
  for (const caso& c : casi) {
    const esito_comando_testo e = testo_comando_testo(c.argomenti);
    EXPECT_EQ(e.stato, c.stato) << c.messaggio << e.err;
    EXPECT_TRUE(contiene(c.stato == 0 ? e.out : e.err, c.messaggio)) << e.out << e.err;
    if (c.stato != 0) {
      EXPECT_EQ(e.out, "");
    }
  }
}

}  // namespace
