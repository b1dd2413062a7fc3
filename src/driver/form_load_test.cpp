#include "driver/form_load.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>

#include "base/cartella.h"
#include "model/form1.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/testo_di_prova.h"

namespace {

namespace fs = std::filesystem;

const char* const file_finali[] = {
    "Velstra_Ordoven_318_note.txt", "Velstra_Ordoven_318_rallentamenti.txt", "Velstra_Ordoven_318_scheda_treno.txt",
    "Velstra_Ordoven_linea.dat",    "Velstra_Ordoven_318.sim",               "Velstra_Ordoven_318.dat",
};

struct esito_processo {
  int stato = -1;
  std::string uscita;
};

// Runs a copy of the program from inside dir (its files go next to it).
esito_processo esegui_programma(const fs::path& dir) {
  fs::copy_file(VELSTRA_PROGRAM, dir / "Velstra_Ordoven_318", fs::copy_options::overwrite_existing);
  const std::string comando = "cd / && '" + (dir / "Velstra_Ordoven_318").string() + "' 2>'" + (dir / "stderr.log").string() + "'";
  esito_processo e;
  FILE* p = popen(comando.c_str(), "r");
  char buf[256];
  while (std::fgets(buf, sizeof buf, p)) e.uscita += buf;
  int s = pclose(p);
  e.stato = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
  return e;
}

TEST(FormLoad, AWholeRunLeavesTheDocumentsAndTheCompactFilesAndNoSource) {
  cartella_memoria cartella;
  Form1 f;
  f.cartella = &cartella;
  std::ostringstream console;
  Form_Load(f, console);
  EXPECT_EQ(console.str(), "Attendere\n");
  EXPECT_EQ(f.numero_errore, 0);
  const std::vector<std::string> elenco = cartella.elenco();
  const std::set<std::string> presenti(elenco.begin(), elenco.end());
  EXPECT_EQ(presenti, std::set<std::string>(std::begin(file_finali), std::end(file_finali)));
}

TEST(FormLoad, TheProgramWritesIntoTheFolderOfItsExecutable) {
  cartella_temporanea dir;
  // An earlier run's files, longer than the new ones, are replaced whole.
  for (const char* nome : file_finali) scrivi_tutto(dir.percorso / nome, std::string(4'000'000, 'x'));
  esito_processo e = esegui_programma(dir.percorso);
  EXPECT_EQ(e.stato, 0) << leggi_tutto(dir.percorso / "stderr.log");
  EXPECT_EQ(e.uscita, "Attendere\n");
  EXPECT_FALSE(fs::exists(dir.percorso / "Velstra_Ordoven_linea.txt"));
  EXPECT_FALSE(fs::exists(dir.percorso / "Velstra_Ordoven_318-.txt"));
  for (const char* nome : file_finali) EXPECT_NE(leggi_tutto(dir.percorso / nome).find_first_not_of('x'), std::string::npos) << nome;
  EXPECT_EQ(fs::file_size(dir.percorso / "Velstra_Ordoven_318.dat"), 92115u);
}

TEST(FormLoad, AFileThatCannotBeReplacedStopsTheRunNamingIt) {
  cartella_temporanea dir;
  fs::create_directory(dir.percorso / "Velstra_Ordoven_318_note.txt");
  scrivi_tutto(dir.percorso / "Velstra_Ordoven_318_note.txt" / "dentro", "keep");
  scrivi_tutto(dir.percorso / "Velstra_Ordoven_318.sim", "old scenario");
  esito_processo e = esegui_programma(dir.percorso);
  EXPECT_NE(e.stato, 0);
  EXPECT_TRUE(contiene(leggi_tutto(dir.percorso / "stderr.log"), "Velstra_Ordoven_318_note.txt"));
  EXPECT_EQ(leggi_tutto(dir.percorso / "Velstra_Ordoven_318_note.txt" / "dentro"), "keep");
  EXPECT_EQ(leggi_tutto(dir.percorso / "Velstra_Ordoven_318.sim"), "old scenario");
}

TEST(FormLoad, ARecordedErrorIsReportedOnOneLineWithExitStatusOne) {
  Form1 f;
  std::ostringstream err;
  EXPECT_EQ(esito_run(f, err), 0);
  EXPECT_EQ(err.str(), "");
  f.numero_errore = 16;
  f.progressiva_errore = 133950;
  EXPECT_EQ(esito_run(f, err), 1);
  EXPECT_EQ(err.str(), " Errore n. 16 (progressiva 133950): segnale su una cella non libera\n");
}

}  // namespace
