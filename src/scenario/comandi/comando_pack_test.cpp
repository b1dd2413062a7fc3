// scenario pack against the built programs: the packed embedded scenario
// writes what Velstra_Ordoven_318 writes, a damaged payload writes nothing.
#include "scenario/comandi/comando_pack.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "base/codici_uscita.h"
#include "output/formati/carico.h"
#include "scenario/comandi/argomenti_scenario.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/testo_di_prova.h"

namespace {

namespace fs = std::filesystem;

struct uscita_comando_pack {
  int stato = -1;
  std::string err;
};

// Runs a command line from inside dir; stderr kept.
uscita_comando_pack esegui_in(const fs::path& dir, const std::string& riga) {
  const fs::path log = dir / ".." / (dir.filename().string() + ".err");
  const int r = std::system(("cd '" + dir.string() + "' && " + riga + " >/dev/null 2>'" + log.string() + "'").c_str());
  uscita_comando_pack u{WIFEXITED(r) ? WEXITSTATUS(r) : -1, leggi_tutto(log)};
  fs::remove(log);
  return u;
}

uscita_comando_pack strumento(const fs::path& dir, const std::string& argomenti) {
  return esegui_in(dir, std::string("'") + VELSTRA_TOOL + "' " + argomenti);
}

std::set<std::string> elenco_comando_pack(const fs::path& dir) {
  std::set<std::string> s;
  for (const auto& e : fs::directory_iterator(dir)) s.insert(e.path().filename().string());
  return s;
}

TEST(ComandoPack, IlProgrammaDelloScenarioIncorporatoScriveIFileDelProgramma) {
  cartella_temporanea t;
  // The extract with its documents table is in step with its documents:
  // packed as it is, no option needed.
  ASSERT_EQ(strumento(t.percorso, "extract sorgenti").stato, 0);
  const uscita_comando_pack u = strumento(t.percorso, "pack sorgenti Velstra_Ordoven 318 --out impacchettato");
  ASSERT_EQ(u.stato, 0) << u.err;
  EXPECT_TRUE((fs::status(t.percorso / "impacchettato").permissions() & fs::perms::owner_exec) != fs::perms::none);

  fs::create_directories(t.percorso / "incorporato");
  fs::create_directories(t.percorso / "pacchetto");
  fs::copy_file(VELSTRA_PROGRAM, t.percorso / "incorporato" / "Velstra_Ordoven_318");
  fs::copy_file(t.percorso / "impacchettato", t.percorso / "pacchetto" / "Velstra_Ordoven_318");
  ASSERT_EQ(esegui_in(t.percorso / "incorporato", "./Velstra_Ordoven_318").stato, 0);
  ASSERT_EQ(esegui_in(t.percorso / "pacchetto", "./Velstra_Ordoven_318").stato, 0);
  const std::set<std::string> file = elenco_comando_pack(t.percorso / "incorporato");
  EXPECT_EQ(file.size(), 7u);
  EXPECT_EQ(elenco_comando_pack(t.percorso / "pacchetto"), file);
  for (const std::string& f : file) {
    if (f == "Velstra_Ordoven_318") continue;
    EXPECT_EQ(leggi_tutto(t.percorso / "pacchetto" / f), leggi_tutto(t.percorso / "incorporato" / f)) << f;
  }
}

TEST(ComandoPack, UnCaricoConUnByteCambiatoNonScriveNullaEdEsceCon2) {
  cartella_temporanea t;
  ASSERT_EQ(strumento(t.percorso, "extract sorgenti").stato, 0);
  ASSERT_EQ(strumento(t.percorso, "pack sorgenti Velstra_Ordoven 318 --out impacchettato").stato, 0);
  const std::string buono = leggi_tutto(t.percorso / "impacchettato");
  const std::size_t programma = leggi_tutto(VELSTRA_PROGRAM).size();
  ASSERT_GT(buono.size(), programma + 20);
  // A byte of the payload, of its length and of its checksum.
  for (const std::size_t dove : {programma + 100, buono.size() - 10, buono.size() - 2}) {
    SCOPED_TRACE(dove);
    const fs::path dir = t.percorso / ("corsa" + std::to_string(dove));
    fs::create_directories(dir);
    std::string guasto = buono;
    guasto[dove] = static_cast<char>(guasto[dove] ^ 0x20);
    scrivi_tutto(dir / "Velstra_Ordoven_318", guasto);
    fs::permissions(dir / "Velstra_Ordoven_318", fs::perms::owner_all);
    const uscita_comando_pack u = esegui_in(dir, "./Velstra_Ordoven_318");
    EXPECT_EQ(u.stato, 2);
    // Words for a player on the first line; the check's numbers after it.
    const std::string prima = u.err.substr(0, u.err.find('\n'));
    EXPECT_TRUE(contiene(prima, "Questa copia del programma \xC3\xA8 danneggiata")) << u.err;
    EXPECT_TRUE(contiene(prima, "Nessun file \xC3\xA8 stato scritto")) << u.err;
    EXPECT_FALSE(contiene(prima, "0x")) << u.err;
    EXPECT_TRUE(contiene(u.err, "\nDettagli: carico dello scenario danneggiato: ")) << u.err;
    EXPECT_EQ(elenco_comando_pack(dir), std::set<std::string>{"Velstra_Ordoven_318"});
  }
}

TEST(ComandoPack, RifiutaDocumentiMancantiESorgentiConErrori) {
  cartella_temporanea t;
  ASSERT_EQ(strumento(t.percorso, "extract sorgenti").stato, 0);
  fs::remove(t.percorso / "sorgenti" / "Velstra_Ordoven_318_note.txt");
  uscita_comando_pack u = strumento(t.percorso, "pack sorgenti Velstra_Ordoven 318 --out p");
  EXPECT_EQ(u.stato, 2);
  EXPECT_TRUE(contiene(u.err, "Velstra_Ordoven_318_note.txt: file non trovato"));
  EXPECT_TRUE(contiene(u.err, "'scenario documents sorgenti Velstra_Ordoven 318'"));
  ASSERT_EQ(strumento(t.percorso, "documents sorgenti Velstra_Ordoven 318").stato, 0);

  const fs::path treno = t.percorso / "sorgenti" / "Velstra_Ordoven_318-.txt";
  std::string testo = leggi_tutto(treno);
  testo.replace(testo.find("stazione,   71450,"), 18, "stazione,   71470,");
  scrivi_tutto(treno, testo);
  u = strumento(t.percorso, "pack sorgenti Velstra_Ordoven 318 --out p");
  EXPECT_EQ(u.stato, 1);
  EXPECT_TRUE(contiene(u.err, "Velstra_Ordoven_318-.txt:"));
  EXPECT_TRUE(contiene(u.err, "Errore n. 8"));
  EXPECT_FALSE(fs::exists(t.percorso / "p"));
  EXPECT_EQ(strumento(t.percorso, "pack sorgenti Velstra_Ordoven 318").stato, 64);
}

// The command pack names to write the documents runs the tool as the author
// reaches it from where they are: through its folder below, beside it, or
// by its name from anywhere else.
TEST(ComandoPack, IlComandoDaEseguireNominaLoStrumentoDaDoveSiE) {
  cartella_temporanea t;
  ASSERT_EQ(strumento(t.percorso, "extract sorgenti").stato, 0);
  fs::remove(t.percorso / "sorgenti" / "Velstra_Ordoven_318_note.txt");
  const fs::path cartella_strumento = fs::path(VELSTRA_TOOL).parent_path();
  const std::string dir = (t.percorso / "sorgenti").string();
  const std::pair<fs::path, std::string> casi[] = {
      {cartella_strumento.parent_path(), cartella_strumento.filename().string() + "/scenario"},
      {cartella_strumento, "./scenario"},
      {t.percorso, "scenario"},
  };
  for (const auto& [da, comando] : casi) {
    SCOPED_TRACE(da.string());
    // The words go to the temporary folder: the tool's folders are not ours to write.
    const fs::path log = t.percorso / "pack.err";
    const int r = std::system(("cd '" + da.string() + "' && '" + VELSTRA_TOOL + "' pack '" + dir +
                               "' Velstra_Ordoven 318 --out '" + dir + "/p' 2>'" + log.string() + "'")
                                  .c_str());
    EXPECT_EQ(WIFEXITED(r) ? WEXITSTATUS(r) : -1, 2);
    const std::string err = leggi_tutto(log);
    EXPECT_TRUE(contiene(err, "'" + comando + " documents " + dir + " Velstra_Ordoven 318'")) << err;
  }
}

// A name pack takes is one the packed program takes, and the other way
// round: a name pack let through and the program refused left the author
// with a program that writes nothing.
TEST(ComandoPack, PackAndThePackedProgramTakeTheSameNames) {
  const std::string nomi[] = {
      "Velstra_Ordoven",
      "318",
      "R_1",
      "a.b",
      "a..b",
      "Citt\xE0",
      "-",
      std::string(200, 'x'),
      "CONSOLE",
      "",
      ".",
      "..",
      std::string(201, 'x'),
      "Ve:x",
      "C:",
      "a/b",
      "a\\b",
      "a*",
      "a?",
      "a\"b",
      "<a",
      "a>",
      "a|b",
      "a\tb",
      "a\x7F",
      "CON",
      "nul",
      "Aux.txt",
      "COM1",
      "lpt9",
  };
  for (const std::string& nome : nomi) {
    SCOPED_TRACE(nome);
    for (const bool come_treno : {false, true}) {
      argomenti_comando a;
      const std::vector<std::string> parole = {"d", come_treno ? "R" : nome, come_treno ? nome : "1", "--out", "p"};
      const bool pack = leggi_argomenti(parole, regola_pack, a).ok();
      carico_scenario c;
      (come_treno ? c.treno : c.percorso) = nome;
      (come_treno ? c.percorso : c.treno) = come_treno ? "R" : "1";
      carico_scenario letto;
      bool presente = false;
      const bool programma = leggi_carico("MZ" + codifica_carico(c), letto, presente).ok();
      EXPECT_TRUE(presente);
      EXPECT_EQ(pack, programma) << (come_treno ? "TRAIN" : "ROUTE");
    }
  }
}

// The name the packed program would refuse is a usage error of pack: no
// program is written that could only say its payload is damaged.
TEST(ComandoPack, ANameThePackedProgramWouldRefuseIsAUsageError) {
  cartella_temporanea t;
  ASSERT_EQ(strumento(t.percorso, "extract g").stato, 0);
  for (const char* suffisso :
       {"_linea.txt", "_318-.txt", "_318_scheda_treno.txt", "_318_rallentamenti.txt", "_318_note.txt"})
    fs::copy_file(t.percorso / "g" / (std::string("Velstra_Ordoven") + suffisso),
                  t.percorso / "g" / (std::string("Ve:x") + suffisso));
  const uscita_comando_pack u = strumento(t.percorso, "pack g 'Ve:x' 318 --out p");
  EXPECT_EQ(u.stato, 64) << u.err;
  EXPECT_TRUE(contiene(u.err, "ROUTE \xC3\xA8 un nome, non un percorso: 'Ve:x' contiene ':'")) << u.err;
  EXPECT_FALSE(fs::exists(t.percorso / "p"));
}

// The packed program is readable and runnable by whoever may read it; the
// program it came from is packed only as built, never with a scenario of its
// own already appended.
TEST(ComandoPack, ThePackedProgramCanBeReadAndRunAndIsNotPackedAgain) {
  cartella_temporanea t;
  ASSERT_EQ(strumento(t.percorso, "extract sorgenti").stato, 0);
  ASSERT_EQ(strumento(t.percorso, "pack sorgenti Velstra_Ordoven 318 --out impacchettato").stato, 0);
  const fs::perms p = fs::status(t.percorso / "impacchettato").permissions();
  const auto ha = [&](fs::perms bit) { return (p & bit) != fs::perms::none; };
  EXPECT_TRUE(ha(fs::perms::owner_read) && ha(fs::perms::owner_write) && ha(fs::perms::owner_exec));
  EXPECT_EQ(ha(fs::perms::group_read), ha(fs::perms::group_exec));
  EXPECT_EQ(ha(fs::perms::others_read), ha(fs::perms::others_exec));

  // A tool whose program beside it already carries a scenario.
  const fs::path strumenti = t.percorso / "strumenti";
  fs::create_directories(strumenti);
  fs::copy_file(VELSTRA_TOOL, strumenti / "scenario");
  fs::copy_file(t.percorso / "impacchettato", strumenti / "Velstra_Ordoven_318");
  const uscita_comando_pack u = esegui_in(
      t.percorso, "'" + (strumenti / "scenario").string() + "' pack sorgenti Velstra_Ordoven 318 --out di_nuovo");
  EXPECT_EQ(u.stato, 2);
  EXPECT_TRUE(contiene(u.err, "porta gi\xC3\xA0 uno scenario: serve il programma come \xC3\xA8 costruito")) << u.err;
  EXPECT_FALSE(fs::exists(t.percorso / "di_nuovo"));
}

// An author's edited train source where the packed program runs is kept as
// .bak before the program writes its own.
TEST(ComandoPack, ThePackedProgramKeepsAnEditedSourceAsBak) {
  cartella_temporanea t;
  ASSERT_EQ(strumento(t.percorso, "extract sorgenti").stato, 0);
  ASSERT_EQ(strumento(t.percorso, "pack sorgenti Velstra_Ordoven 318 --out impacchettato").stato, 0);
  const fs::path corsa = t.percorso / "corsa";
  fs::create_directories(corsa);
  fs::copy_file(t.percorso / "impacchettato", corsa / "Velstra_Ordoven_318");
  const std::string modificato = leggi_tutto(t.percorso / "sorgenti" / "Velstra_Ordoven_318-.txt") + "; mia nota\r\n";
  scrivi_tutto(corsa / "Velstra_Ordoven_318-.txt", modificato);
  // A sheet edited by hand where the program runs, and an order with the
  // program's own bytes (no copy of that one).
  const std::string scheda = "Velstra_Ordoven_318_scheda_treno.txt", ordine = "Velstra_Ordoven_318_rallentamenti.txt";
  scrivi_tutto(corsa / scheda, "la mia scheda\r\n");
  fs::copy_file(t.percorso / "sorgenti" / ordine, corsa / ordine);
  const uscita_comando_pack u = esegui_in(corsa, "./Velstra_Ordoven_318");
  ASSERT_EQ(u.stato, 0) << u.err;
  EXPECT_EQ(leggi_tutto(corsa / "Velstra_Ordoven_318-.txt.bak"), modificato);
  EXPECT_EQ(leggi_tutto(corsa / (scheda + ".bak")), "la mia scheda\r\n");
  EXPECT_EQ(leggi_tutto(corsa / scheda), leggi_tutto(t.percorso / "sorgenti" / scheda));
  EXPECT_TRUE(contiene(
      u.err, scheda + " era gi\xC3\xA0 nella cartella con un altro contenuto: conservato come " + scheda + ".bak"));
  EXPECT_FALSE(fs::exists(corsa / (ordine + ".bak")));
  EXPECT_TRUE(fs::exists(corsa / "Velstra_Ordoven_318.sim"));
}

// The documents of DIR against what documents makes from the sources and
// the table now: stale ones (the sources edited after documents, a row
// edited by hand, a file saved with LF) are refused with exit 1, each
// differing row with its file and line, and the command that writes them
// again; nothing is written. --keep-documents packs them as they are. The
// notes are the author's own text: edited, they are still in step.
struct caso_documenti {
  const char* descrizione;
  std::string file;                        // the file of sorgenti to edit
  std::string cerca, metti;                // cerca replaced once by metti; "" appends, "*" the whole file
  int stato;                               // exit status without --keep-documents
  std::vector<std::string> nel_messaggio;  // the words the refusal holds
};

TEST(ComandoPack, RifiutaDocumentiNonAggiornatiConLeRigheDiverse) {
  const std::string scheda = "Velstra_Ordoven_318_scheda_treno.txt";
  const std::string tabella = "Velstra_Ordoven_318_documenti.txt";
  const caso_documenti casi[] = {
      {"nothing edited after documents", "", "", "", 0, {}},
      {"a station renamed in the train file after documents",
       "Velstra_Ordoven_318-.txt",
       ", CODOGNO\r\n",
       ", CODOGNO C.LE\r\n",
       1,
       {"sorgenti/" + scheda + ":", "  nella cartella:  |", "| CODOGNO                    |", "  dai sorgenti:    |",
        "| CODOGNO C.LE               |", "Si riscrivono con\n  scenario documents sorgenti Velstra_Ordoven 318\n",
        "--keep-documents"}},
      {"a row of the sheet edited by hand",
       scheda,
       "| PIACENZA ",
       "| PIACENZ\xC0 ",
       1,
       {"sorgenti/" + scheda + ":", "| PIACENZ\xC3\x80 ", "| PIACENZA "}},
      {"the sheet saved with LF", scheda, "\r\n", "\n", 1, {"la fine riga no"}},
      {"the notes edited by hand", "Velstra_Ordoven_318_note.txt", "", "Buon viaggio a tutti.\r\n", 0, {}},
      {"a fault in the table",
       tabella,
       "*",
       "massa, settecento\r\n",
       1,
       {tabella + ":1:", "i documenti non si possono confrontare"}},
  };
  for (const caso_documenti& c : casi) {
    SCOPED_TRACE(c.descrizione);
    cartella_temporanea t;
    const fs::path dir = t.percorso / "sorgenti";
    ASSERT_EQ(strumento(t.percorso, "extract sorgenti").stato, 0);
    ASSERT_EQ(strumento(t.percorso, "documents sorgenti Velstra_Ordoven 318").stato, 0);
    if (!c.file.empty()) {
      std::string testo = fs::exists(dir / c.file) ? leggi_tutto(dir / c.file) : "";
      if (c.cerca.empty()) {
        testo += c.metti;
      } else if (c.cerca == "*") {
        testo = c.metti;
      } else if (c.cerca == "\r\n") {
        for (std::size_t k; (k = testo.find(c.cerca)) != std::string::npos;) testo.replace(k, 2, c.metti);
      } else {
        ASSERT_NE(testo.find(c.cerca), std::string::npos);
        testo.replace(testo.find(c.cerca), c.cerca.size(), c.metti);
      }
      scrivi_tutto(dir / c.file, testo);
    }
    const uscita_comando_pack u = strumento(t.percorso, "pack sorgenti Velstra_Ordoven 318 --out p");
    EXPECT_EQ(u.stato, c.stato) << u.err;
    for (const std::string& parole : c.nel_messaggio) EXPECT_TRUE(contiene(u.err, parole)) << u.err;
    if (c.stato != 0) {
      EXPECT_FALSE(fs::exists(t.percorso / "p"));
      const uscita_comando_pack come_sono =
          strumento(t.percorso, "pack sorgenti Velstra_Ordoven 318 --out p --keep-documents");
      ASSERT_EQ(come_sono.stato, 0) << come_sono.err;
      // The packed program carries the documents of DIR as they are.
      const std::string programma = leggi_tutto(t.percorso / "p");
      carico_scenario carico;
      bool presente = false;
      ASSERT_TRUE(leggi_carico(programma, carico, presente).ok());
      EXPECT_EQ(carico.scheda, leggi_tutto(dir / scheda));
    }
  }
}

}  // namespace
