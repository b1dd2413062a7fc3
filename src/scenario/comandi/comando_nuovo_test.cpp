#include "scenario/comandi/comando_nuovo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "base/codici_uscita.h"
#include "scenario/comandi/comando_check.h"
#include "scenario/comandi/comando_compile.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/testo_di_prova.h"

namespace {

namespace fs = std::filesystem;

struct esito_comando_nuovo {
  int stato;
  std::string out, err;
};

esito_comando_nuovo esegui_comando_nuovo(int (*comando)(std::span<const std::string>, std::ostream&, std::ostream&),
                                         const std::vector<std::string>& argomenti) {
  std::ostringstream out, err;
  const int stato = comando(argomenti, out, err);
  return {stato, out.str(), err.str()};
}

// In a folder that does not exist yet, named for the author's route and
// train: the two sources, CR LF, which check accepts clean and compile takes.
TEST(ComandoNuovo, WritesTwoSourcesThatCheckCleanAndCompile) {
  cartella_temporanea radice;
  const fs::path dir = radice.percorso / "mio" / "scenario";
  const std::vector<std::string> argomenti = {dir.string(), "Linea_Nord", "2041"};
  const esito_comando_nuovo nuovo = esegui_comando_nuovo(comando_nuovo, argomenti);
  ASSERT_EQ(nuovo.stato, uscita_ok) << nuovo.err;
  EXPECT_TRUE(contiene(nuovo.err, "scritto Linea_Nord_linea.txt\nscritto Linea_Nord_2041-.txt\n"));
  const std::string linea = leggi_tutto(dir / "Linea_Nord_linea.txt");
  EXPECT_EQ(linea.rfind("[generale]\r\nlunghezza percorso,    20000\r\n", 0), 0u);
  EXPECT_TRUE(linea.ends_with("[fine]\r\n"));
  EXPECT_FALSE(leggi_tutto(dir / "Linea_Nord_2041-.txt").empty());
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2);

  const esito_comando_nuovo check = esegui_comando_nuovo(comando_check, argomenti);
  EXPECT_EQ(check.stato, uscita_ok) << check.err;
  EXPECT_EQ(check.out, "0 errori, 0 avvisi\n");
  EXPECT_EQ(esegui_comando_nuovo(comando_compile, argomenti).stato, uscita_ok);
}

// An author's source already there is kept byte for byte and nothing is
// written, whichever of the two it is.
TEST(ComandoNuovo, NeverReplacesASourceAlreadyThere) {
  for (const char* esistente : {"Prova_linea.txt", "Prova_1-.txt"}) {
    cartella_temporanea dir;
    scrivi_tutto(dir.percorso / esistente, "il mio lavoro\r\n");
    const esito_comando_nuovo e = esegui_comando_nuovo(comando_nuovo, {dir.percorso.string(), "Prova", "1"});
    EXPECT_EQ(e.stato, uscita_errore) << esistente;
    EXPECT_TRUE(contiene(e.err, std::string("c'\xC3\xA8 gi\xC3\xA0 ") + esistente));
    EXPECT_EQ(leggi_tutto(dir.percorso / esistente), "il mio lavoro\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.percorso), {}), 1) << esistente;
  }
}

TEST(ComandoNuovo, ABadCommandLineIsAUsageError) {
  cartella_temporanea dir;
  for (const std::vector<std::string>& a : {std::vector<std::string>{dir.percorso.string(), "Prova"},
                                            std::vector<std::string>{dir.percorso.string(), "Pro/va", "1"}}) {
    const esito_comando_nuovo e = esegui_comando_nuovo(comando_nuovo, a);
    EXPECT_EQ(e.stato, uscita_uso) << e.err;
    EXPECT_TRUE(contiene(e.err, "uso: scenario nuovo DIR ROUTE TRAIN"));
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.percorso), {}), 0);
}

}  // namespace
