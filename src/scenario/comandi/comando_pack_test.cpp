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

#include "test_support/cartella_temporanea.h"
#include "test_support/testo_di_prova.h"

namespace {

namespace fs = std::filesystem;

struct uscita {
  int stato = -1;
  std::string err;
};

// Runs a command line from inside dir; stderr kept.
uscita esegui_in(const fs::path& dir, const std::string& riga) {
  const fs::path log = dir / ".." / (dir.filename().string() + ".err");
  const int r = std::system(("cd '" + dir.string() + "' && " + riga + " >/dev/null 2>'" + log.string() + "'").c_str());
  uscita u{WIFEXITED(r) ? WEXITSTATUS(r) : -1, leggi_tutto(log)};
  fs::remove(log);
  return u;
}

uscita strumento(const fs::path& dir, const std::string& argomenti) {
  return esegui_in(dir, std::string("'") + VELSTRA_TOOL + "' " + argomenti);
}

std::set<std::string> elenco(const fs::path& dir) {
  std::set<std::string> s;
  for (const auto& e : fs::directory_iterator(dir)) s.insert(e.path().filename().string());
  return s;
}

TEST(ComandoPack, IlProgrammaDelloScenarioIncorporatoScriveIFileDelProgramma) {
  cartella_temporanea t;
  ASSERT_EQ(strumento(t.percorso, "extract sorgenti").stato, 0);
  const uscita u = strumento(t.percorso, "pack sorgenti Velstra_Ordoven 318 --out impacchettato");
  ASSERT_EQ(u.stato, 0) << u.err;
  EXPECT_TRUE((fs::status(t.percorso / "impacchettato").permissions() & fs::perms::owner_exec) != fs::perms::none);

  fs::create_directories(t.percorso / "incorporato");
  fs::create_directories(t.percorso / "pacchetto");
  fs::copy_file(VELSTRA_PROGRAM, t.percorso / "incorporato" / "Velstra_Ordoven_318");
  fs::copy_file(t.percorso / "impacchettato", t.percorso / "pacchetto" / "Velstra_Ordoven_318");
  ASSERT_EQ(esegui_in(t.percorso / "incorporato", "./Velstra_Ordoven_318").stato, 0);
  ASSERT_EQ(esegui_in(t.percorso / "pacchetto", "./Velstra_Ordoven_318").stato, 0);
  const std::set<std::string> file = elenco(t.percorso / "incorporato");
  EXPECT_EQ(file.size(), 7u);
  EXPECT_EQ(elenco(t.percorso / "pacchetto"), file);
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
    const uscita u = esegui_in(dir, "./Velstra_Ordoven_318");
    EXPECT_EQ(u.stato, 2);
    EXPECT_TRUE(contiene(u.err, "carico dello scenario danneggiato"));
    EXPECT_TRUE(contiene(u.err, "nessun file scritto"));
    EXPECT_EQ(elenco(dir), std::set<std::string>{"Velstra_Ordoven_318"});
  }
}

TEST(ComandoPack, RifiutaDocumentiMancantiESorgentiConErrori) {
  cartella_temporanea t;
  ASSERT_EQ(strumento(t.percorso, "extract sorgenti").stato, 0);
  fs::remove(t.percorso / "sorgenti" / "Velstra_Ordoven_318_note.txt");
  uscita u = strumento(t.percorso, "pack sorgenti Velstra_Ordoven 318 --out p");
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

}  // namespace
