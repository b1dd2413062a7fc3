#include "scenario/comandi/comando_extract.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/nomi_file.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"
#include "documents/dati_note.h"
#include "documents/dati_rallentamenti.h"
#include "documents/dati_scheda.h"
#include "model/form1.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/form_di_prova.h"
#include "test_support/testo_di_prova.h"

namespace {

TEST(ComandoExtract, WritesTheFiveFilesAsTheProgramDoes) {
  cartella_temporanea dir;
  form_su_disco f(dir.percorso);
  // An older, longer file is replaced whole, once kept aside.
  scrivi_tutto(*f.cartella, file_note(f), std::string(3000000, 'x'));
  std::ostringstream out, err;
  const std::vector<std::string> argomenti{dir.percorso.string()};
  ASSERT_EQ(comando_extract(argomenti, out, err), 0) << err.str();
  struct caso {
    std::string file;
    std::span<const std::string_view> righe;
  };
  const caso casi[] = {
      {file_linea(f), righe_linea()},   {file_treno(f), righe_treno()},
      {file_scheda(f), righe_scheda()}, {file_rallentamenti(f), righe_rallentamenti()},
      {file_note(f), righe_note()},
  };
  for (const auto& c : casi) {
    const std::string atteso = testo_righe(c.righe);
    ASSERT_GT(atteso.size(), 100u) << c.file;
    EXPECT_TRUE(leggi_tutto(*f.cartella, c.file) == atteso) << c.file;
  }
  EXPECT_EQ(leggi_tutto(*f.cartella, file_note(f) + ".bak"), std::string(3000000, 'x'));
  // The sixth file is the documents table, read back in the documents' tests.
  EXPECT_TRUE(f.cartella->esiste("Velstra_Ordoven_318_documenti.txt"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.percorso), {}), 7);
}

// Extract over a folder where the author edited a source and a document:
// each edited file is kept as NAME.bak (NAME.2.bak when taken) and the
// author told; a file with the extract's own bytes makes no copy.
TEST(ComandoExtract, KeepsEditedFilesAsBakAndOnlyThose) {
  cartella_temporanea dir;
  const std::vector<std::string> argomenti{dir.percorso.string()};
  std::ostringstream out, err;
  ASSERT_EQ(comando_extract(argomenti, out, err), 0) << err.str();
  ASSERT_EQ(comando_extract(argomenti, out, err), 0) << err.str();
  EXPECT_TRUE(non_contiene(err.str(), ".bak")) << err.str();
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.percorso), {}), 6);

  const std::string treno = "Velstra_Ordoven_318-.txt", scheda = "Velstra_Ordoven_318_scheda_treno.txt";
  const std::string treno_mio = leggi_tutto(dir.percorso / treno) + "; la mia riga\r\n";
  scrivi_tutto(dir.percorso / treno, treno_mio);
  scrivi_tutto(dir.percorso / scheda, "la mia scheda\r\n");
  scrivi_tutto(dir.percorso / (scheda + ".bak"), "una copia di prima");
  std::ostringstream err2;
  ASSERT_EQ(comando_extract(argomenti, out, err2), 0) << err2.str();
  EXPECT_EQ(leggi_tutto(dir.percorso / (treno + ".bak")), treno_mio);
  EXPECT_EQ(leggi_tutto(dir.percorso / (scheda + ".bak")), "una copia di prima");
  EXPECT_EQ(leggi_tutto(dir.percorso / (scheda + ".2.bak")), "la mia scheda\r\n");
  EXPECT_TRUE(contiene(
      err2.str(), treno + " era gi\xC3\xA0 nella cartella con un altro contenuto: conservato come " + treno + ".bak"))
      << err2.str();
  EXPECT_TRUE(contiene(err2.str(), "conservato come " + scheda + ".2.bak")) << err2.str();
  EXPECT_EQ(leggi_tutto(dir.percorso / treno), testo_righe(righe_treno()));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.percorso), {}), 9);
}

TEST(ComandoExtract, MakesAMissingFolder) {
  cartella_temporanea dir;
  const auto nuova = dir.percorso / "nuova" / "sotto";
  std::ostringstream out, err;
  ASSERT_EQ(comando_extract(std::vector<std::string>{nuova.string()}, out, err), 0) << err.str();
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(nuova), {}), 6);
  EXPECT_NE(err.str().find("scritto Velstra_Ordoven_linea.txt"), std::string::npos) << err.str();
}

// Extracting beside the program: running it there would write its own
// sources over these, and the author is told so; elsewhere nothing is said.
TEST(ComandoExtract, WarnsWhenTheProgramIsInTheFolder) {
  for (const char* programma : {"", "Velstra_Ordoven_318", "Velstra_Ordoven_318.exe"}) {
    cartella_temporanea dir;
    if (*programma) scrivi_tutto(dir.percorso / programma, "MZ");
    std::ostringstream out, err;
    ASSERT_EQ(comando_extract(std::vector<std::string>{dir.percorso.string()}, out, err), 0) << err.str();
    if (*programma) {
      EXPECT_TRUE(contiene(
          err.str(), std::string("c'\xC3\xA8 il programma ") + programma + ": eseguirlo qui riscrive i sorgenti"));
    } else {
      EXPECT_TRUE(non_contiene(err.str(), "attenzione"));
    }
  }
}

TEST(ComandoExtract, RefusesBadUse) {
  cartella_temporanea dir;
  const std::vector<std::vector<std::string>> casi = {{}, {dir.percorso.string(), "x"}, {"--all"}, {""}};
  for (const auto& argomenti : casi) {
    std::ostringstream out, err;
    EXPECT_EQ(comando_extract(argomenti, out, err), 64);
    EXPECT_TRUE(contiene(err.str(), "uso: scenario extract DIR"));
  }
  // A file where the folder should be cannot become a folder.
  scrivi_tutto(dir.percorso / "file", "x");
  std::ostringstream out, err;
  EXPECT_EQ(comando_extract(std::vector<std::string>{(dir.percorso / "file").string()}, out, err), 2);
  EXPECT_NE(err.str().find("non si pu\xC3\xB2 creare"), std::string::npos) << err.str();
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.percorso), {}), 1);
}

}  // namespace
