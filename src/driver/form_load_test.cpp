#include "driver/form_load.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

#include "base/cartella.h"
#include "model/form1.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/testo_di_prova.h"

namespace {

namespace fs = std::filesystem;

const char* const file_finali[] = {
    "Velstra_Ordoven_318_note.txt",
    "Velstra_Ordoven_318_rallentamenti.txt",
    "Velstra_Ordoven_318_scheda_treno.txt",
    "Velstra_Ordoven_linea.dat",
    "Velstra_Ordoven_318.sim",
    "Velstra_Ordoven_318.dat",
};

struct esito_processo {
  int stato = -1;
  std::string uscita;
};

// Runs a copy of the program from inside dir (its files go next to it).
esito_processo esegui_programma(const fs::path& dir) {
  fs::copy_file(VELSTRA_PROGRAM, dir / "Velstra_Ordoven_318", fs::copy_options::overwrite_existing);
  const std::string comando =
      "cd / && '" + (dir / "Velstra_Ordoven_318").string() + "' 2>'" + (dir / "stderr.log").string() + "'";
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

// A run killed while it replaced a file leaves NAME.tmp~ beside it; the next
// run removes such leftovers of its own files, and only those, even when it
// then stops on an error before writing the compact files.
TEST(FormLoad, LeftoversOfAKilledRunAreRemovedByTheNext) {
  cartella_memoria cartella;
  for (const char* nome : {"Velstra_Ordoven_318.dat.tmp~", "Velstra_Ordoven_318_note.txt.tmp~",
                           "Velstra_Ordoven_linea.txt.tmp~", "Altro.txt.tmp~"})
    ASSERT_TRUE(cartella.sostituisci(nome, "mezzo file").ok());
  // A folder in the place of the scheda makes the run stop before the compile.
  class scheda_rifiutata final : public cartella_file {
   public:
    explicit scheda_rifiutata(cartella_file& c) : c_(c) {}
    stato leggi(const std::string& n, std::string& b) const override { return c_.leggi(n, b); }
    stato sostituisci(const std::string& n, std::string_view b) override {
      if (n == "Velstra_Ordoven_318_scheda_treno.txt") return stato::file_system(n, "impossibile sostituire: prova");
      return c_.sostituisci(n, b);
    }
    stato elimina(const std::string& n) override { return c_.elimina(n); }
    std::vector<std::string> elenco() const override { return c_.elenco(); }
    std::string nome_completo(const std::string& n) const override { return n; }

   private:
    cartella_file& c_;
  } rifiuta(cartella);
  Form1 f;
  f.cartella = &rifiuta;
  std::ostringstream console;
  EXPECT_THROW(Form_Load(f, console), interruzione);
  for (const std::string& nome : cartella.elenco())
    EXPECT_FALSE(nome.ends_with(".tmp~") && nome != "Altro.txt.tmp~") << nome;
  EXPECT_TRUE(cartella.esiste("Altro.txt.tmp~"));
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
  for (const char* nome : file_finali)
    EXPECT_NE(leggi_tutto(dir.percorso / nome).find_first_not_of('x'), std::string::npos) << nome;
  EXPECT_EQ(fs::file_size(dir.percorso / "Velstra_Ordoven_318.dat"), 92115u);
}

TEST(FormLoad, AFileThatCannotBeReplacedStopsTheRunNamingIt) {
  cartella_temporanea dir;
  fs::create_directory(dir.percorso / "Velstra_Ordoven_318_note.txt");
  scrivi_tutto(dir.percorso / "Velstra_Ordoven_318_note.txt" / "dentro", "keep");
  scrivi_tutto(dir.percorso / "Velstra_Ordoven_318.sim", "old scenario");
  esito_processo e = esegui_programma(dir.percorso);
  EXPECT_EQ(e.stato, 3) << "a file-system failure ends the run with 3, apart from errore's 2";
  EXPECT_TRUE(contiene(leggi_tutto(dir.percorso / "stderr.log"), "Velstra_Ordoven_318_note.txt"));
  EXPECT_EQ(leggi_tutto(dir.percorso / "Velstra_Ordoven_318_note.txt" / "dentro"), "keep");
  EXPECT_EQ(leggi_tutto(dir.percorso / "Velstra_Ordoven_318.sim"), "old scenario");
}

// An author's source or document left in the folder under the names of the
// run's files is kept as .bak before the run replaces it; the run's own bytes
// (an earlier run's documents) are not.
struct caso_conservato {
  const char* descrizione;
  std::vector<std::pair<std::string, std::string>> prima;  // the folder before the run
  std::vector<std::pair<std::string, std::string>> dopo;   // kept files after it
  std::size_t avvisi;
};

TEST(FormLoad, AFileWithOtherBytesIsKeptAsBakBeforeTheRunReplacesIt) {
  const std::string linea_modificata = "[generale]\r\nlunghezza percorso,    120000\r\n";
  const std::string nota_mia = "le mie note\r\n";
  const caso_conservato casi[] = {
      {"an edited line source",
       {{"Velstra_Ordoven_linea.txt", linea_modificata}},
       {{"Velstra_Ordoven_linea.txt.bak", linea_modificata}},
       1},
      {"hand-edited notes, kept before the run writes its own",
       {{"Velstra_Ordoven_318_note.txt", nota_mia}},
       {{"Velstra_Ordoven_318_note.txt.bak", nota_mia}},
       1},
      {"an edited sheet and order, each kept",
       {{"Velstra_Ordoven_318_scheda_treno.txt", "la mia scheda\r\n"},
        {"Velstra_Ordoven_318_rallentamenti.txt", "il mio ordine\r\n"}},
       {{"Velstra_Ordoven_318_rallentamenti.txt.bak", "il mio ordine\r\n"},
        {"Velstra_Ordoven_318_scheda_treno.txt.bak", "la mia scheda\r\n"}},
       2},
      {"the .bak name already taken",
       {{"Velstra_Ordoven_318-.txt", "treno mio"}, {"Velstra_Ordoven_318-.txt.bak", "copia vecchia"}},
       {{"Velstra_Ordoven_318-.txt.bak", "copia vecchia"}, {"Velstra_Ordoven_318-.txt.2.bak", "treno mio"}},
       1},
      {"an earlier run's own files", {}, {}, 0},
  };
  for (const caso_conservato& c : casi) {
    cartella_memoria cartella;
    {
      // An earlier run leaves its documents: the same bytes, nothing to keep.
      Form1 prima;
      prima.cartella = &cartella;
      std::ostringstream console;
      Form_Load(prima, console);
    }
    for (const auto& [nome, byte] : c.prima) cartella.sostituisci(nome, byte);
    Form1 f;
    f.cartella = &cartella;
    std::ostringstream console;
    Form_Load(f, console);
    EXPECT_EQ(f.file_conservati.size(), c.avvisi) << c.descrizione;
    for (const auto& [nome, byte] : c.dopo) {
      std::string letti;
      EXPECT_TRUE(cartella.leggi(nome, letti).ok()) << c.descrizione << ": " << nome;
      EXPECT_EQ(letti, byte) << c.descrizione << ": " << nome;
    }
    std::size_t copie = 0;
    for (const std::string& nome : cartella.elenco()) copie += nome.ends_with(".bak");
    EXPECT_EQ(copie, c.dopo.size()) << c.descrizione;
    std::string avvisi;
    for (const std::string& a : f.file_conservati) {
      EXPECT_NE(a.find("con un altro contenuto: conservato come "), std::string::npos) << a;
      avvisi += a + "\n";
    }
    if (c.avvisi > 0) {
      EXPECT_NE(avvisi.find(c.dopo.back().first), std::string::npos) << avvisi;
    }
    // The run itself is the same: its six files, the sources gone.
    EXPECT_FALSE(cartella.esiste("Velstra_Ordoven_linea.txt")) << c.descrizione;
    for (const char* nome : file_finali) EXPECT_TRUE(cartella.esiste(nome)) << c.descrizione << ": " << nome;
  }
}

TEST(FormLoad, TheProgramRunOverAnEditedSourceKeepsItAndSaysSo) {
  cartella_temporanea dir;
  const std::string modificato = "[generale]\r\nlunghezza percorso,    99000\r\n";
  scrivi_tutto(dir.percorso / "Velstra_Ordoven_318-.txt", modificato);
  esito_processo e = esegui_programma(dir.percorso);
  const std::string err = leggi_tutto(dir.percorso / "stderr.log");
  EXPECT_EQ(e.stato, 0) << err;
  EXPECT_EQ(leggi_tutto(dir.percorso / "Velstra_Ordoven_318-.txt.bak"), modificato);
  EXPECT_NE(err.find("Velstra_Ordoven_318-.txt era gi\xC3\xA0 nella cartella con un altro contenuto: conservato come "
                     "Velstra_Ordoven_318-.txt.bak"),
            std::string::npos)
      << err;
  EXPECT_FALSE(fs::exists(dir.percorso / "Velstra_Ordoven_318-.txt"));
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
