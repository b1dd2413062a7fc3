#include "scenario/comandi/comando_diff_git.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "scenario/comandi/comando_diff.h"
#include "scenario/comandi/comando_extract.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/testo_di_prova.h"

namespace {

namespace fs = std::filesystem;

const std::string treno_comando_diff_git = "Velstra_Ordoven_318-.txt",
                  linea_comando_diff_git = "Velstra_Ordoven_linea.txt";

struct esito_comando_diff_git {
  int codice;
  std::string out, err;
};

// The words git passes for one file, through diff's own entry.
esito_comando_diff_git diff_git(const std::string& percorso, const std::string& vecchio, const std::string& nuovo) {
  const std::vector<std::string> parole{"--git", percorso, vecchio, "1111111", "100644", nuovo, "2222222", "100644"};
  std::ostringstream out, err;
  const int codice = comando_diff(parole, out, err);
  return {codice, out.str(), err.str()};
}

// A working tree with the embedded scenario's sources and, as git's
// temporary copy, the committed version of one of them beside it elsewhere.
struct lavoro {
  cartella_temporanea dir;
  fs::path albero = dir.percorso / "albero", copie = dir.percorso / "copie";
  lavoro() {
    std::ostringstream out, err;
    const std::vector<std::string> parole{albero.string()};
    EXPECT_EQ(comando_extract(parole, out, err), 0) << err.str();
    fs::create_directory(copie);
    fs::copy(albero / treno_comando_diff_git, copie / "vecchio_treno.txt");
    fs::copy(albero / linea_comando_diff_git, copie / "vecchio_linea.txt");
  }
  std::string nel_lavoro(const std::string& file) const { return (albero / file).string(); }
  std::string vecchio(const std::string& file) const {
    return (copie / (file == treno_comando_diff_git ? "vecchio_treno.txt" : "vecchio_linea.txt")).string();
  }
  void sostituisci(const std::string& file, const std::string& da, const std::string& con) {
    std::string t = leggi_tutto(albero / file);
    const std::size_t k = t.find(da);
    ASSERT_NE(k, std::string::npos) << da;
    t.replace(k, da.size(), con);
    scrivi_tutto(albero / file, t);
  }
};

// Each version git may hand over: compiled and compared when both sides
// compile with the partner beside PATH, else the listings line by line;
// exit 0 every time, as git needs to go on.
TEST(ComandoDiffGit, ComparesInRailwayTermsOrFallsBackToTheListings) {
  struct caso {
    const char* nome;
    std::string file;
    void (*prepara)(lavoro&);
    bool nuovo_assente, vecchio_assente;
    std::vector<std::string> attesi, assenti;
  };
  const caso casi[] = {
      {"a signal moved",
       treno_comando_diff_git,
       [](lavoro& l) { l.sostituisci(treno_comando_diff_git, "segnale,    3450,", "segnale,    3500,"); },
       false,
       false,
       {"segnale spostato di +50 m verso MILANO ROGOREDO, da 3+450 a 3+500\n"
        "    A: 3+450 (3450 m), Velstra_Ordoven_318-.txt riga 122\n"
        "    B: 3+500 (3500 m), Velstra_Ordoven_318-.txt riga 122\n1 modifica\n",
        "file compatti: scenario identico, tracciato diverso, planimetria identica\n"},
       {"confronto dei record"}},
      {"a mountain stretch of the line file lengthened, the train file beside it",
       linea_comando_diff_git,
       [](lavoro& l) {
         l.sostituisci(linea_comando_diff_git, "montagna,   36900,  36950,", "montagna,   36900,  37050,");
       },
       false,
       false,
       {"tratto di montagna 0 \xE2\x86\x92 2 tra 181+350 e 181+250"},
       {"confronto dei record"}},
      {"the file reformatted",
       treno_comando_diff_git,
       [](lavoro& l) { l.sostituisci(treno_comando_diff_git, "segnale,    3450,", "segnale,3450 ,"); },
       false,
       false,
       {"Modifiche dei sorgenti senza effetto sullo scenario compilato:\nVelstra_Ordoven_318-.txt: riformattato, "
        "stessi record"},
       {"modifica\n", "file compatti", "nessuna modifica"}},
      {"a new file",
       treno_comando_diff_git,
       [](lavoro&) {},
       false,
       true,
       {"file nuovo: confronto dei record del file\n--- /dev/null\n+++ b/", "\n+segnale 3450 (cella 70, pk 3+450): "},
       {"\n-segnale"}},
      {"a file deleted",
       treno_comando_diff_git,
       [](lavoro&) {},
       true,
       false,
       {"file tolto: confronto dei record del file\n--- a/", "+++ /dev/null\n",
        "\n-segnale 3450 (cella 70, pk 3+450): "},
       {"\n+segnale"}},
      {"the new version does not compile",
       treno_comando_diff_git,
       [](lavoro& l) { l.sostituisci(treno_comando_diff_git, "segnale,    3450,", "segnale,    2800,"); },
       false,
       false,
       {"la versione B non si compila",
        "\n-segnale 3450 (cella 70, pk 3+450): ", "\n+segnale 2800 (cella 57, pk 2+800): "},
       {"spostato"}},
      {"no line file beside the train file",
       treno_comando_diff_git,
       [](lavoro& l) {
         l.sostituisci(treno_comando_diff_git, "segnale,    3450,", "segnale,    3500,");
         fs::remove(l.albero / linea_comando_diff_git);
       },
       false,
       false,
       {"senza il file della linea accanto: confronto dei record del file\n",
        "\n-segnale 3450 (cella 70): ", "\n+segnale 3500 (cella 71): "},
       {"spostato", " pk "}},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.nome);
    lavoro l;
    c.prepara(l);
    // PATH is the file in the working tree: the partner is looked for beside it.
    const esito_comando_diff_git nel_lavoro =
        diff_git(l.nel_lavoro(c.file), c.vecchio_assente ? "/dev/null" : l.vecchio(c.file),
                 c.nuovo_assente ? "/dev/null" : l.nel_lavoro(c.file));
    EXPECT_EQ(nel_lavoro.codice, 0) << nel_lavoro.err;
    EXPECT_EQ(nel_lavoro.err, "");
    EXPECT_TRUE(nel_lavoro.out.starts_with("scenario diff a/" + l.nel_lavoro(c.file))) << nel_lavoro.out;
    for (const std::string& a : c.attesi) EXPECT_TRUE(contiene(nel_lavoro.out, a)) << a << "\n" << nel_lavoro.out;
    for (const std::string& a : c.assenti) EXPECT_FALSE(contiene(nel_lavoro.out, a)) << a << "\n" << nel_lavoro.out;
  }
}

TEST(ComandoDiffGit, UsageAndUnreadableFiles) {
  lavoro l;
  const esito_comando_diff_git illeggibile = diff_git(
      l.nel_lavoro(treno_comando_diff_git), (l.copie / "non_c_e.txt").string(), l.nel_lavoro(treno_comando_diff_git));
  EXPECT_EQ(illeggibile.codice, 2);
  EXPECT_TRUE(contiene(illeggibile.err, "non_c_e.txt"));
  struct caso {
    std::vector<std::string> parole;
    int codice;
  };
  const std::string f = l.nel_lavoro(treno_comando_diff_git);
  const caso casi[] = {
      {{"--git", f, f, "1", "100644", f, "2"}, 64},
      {{"--git", f, f, "1", "100644", f, "2", "100644", "altro"}, 64},
      // A renamed file: the new path and git's words on the rename.
      {{"--git", f, f, "1", "100644", f, "2", "100644", f, "similarity index 100%"}, 0},
      {{"--git", "--help"}, 0},
  };
  for (const caso& c : casi) {
    std::ostringstream out, err;
    EXPECT_EQ(comando_diff(c.parole, out, err), c.codice) << c.parole.size() << err.str();
    if (c.codice == 64) {
      EXPECT_TRUE(contiene(err.str(), "uso: scenario diff --git PATH OLD-FILE")) << err.str();
    }
  }
}

}  // namespace
