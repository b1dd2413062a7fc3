#include "scenario/comandi/comando_documents.h"

#include <gtest/gtest.h>

#include <sstream>

#include "scenario/comandi/comando_extract.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/testo_di_prova.h"

namespace {

namespace fs = std::filesystem;

struct uscita_comando_documents {
  int stato = -1;
  std::string out, err;
};

uscita_comando_documents documenti(const std::vector<std::string>& argomenti) {
  std::ostringstream out, err;
  uscita_comando_documents u;
  u.stato = comando_documents(argomenti, out, err);
  u.out = out.str();
  u.err = err.str();
  return u;
}

void estrai(const fs::path& dir) {
  std::ostringstream out, err;
  ASSERT_EQ(comando_extract(std::vector<std::string>{dir.string()}, out, err), 0);
}

TEST(ComandoDocuments, ScriveITreDocumentiNellaCartella) {
  cartella_temporanea t;
  estrai(t.percorso);
  fs::remove(t.percorso / "Velstra_Ordoven_318_note.txt");
  fs::remove(t.percorso / "Velstra_Ordoven_318_scheda_treno.txt");
  fs::remove(t.percorso / "Velstra_Ordoven_318_documenti.txt");  // the sources alone
  const uscita_comando_documents u = documenti({t.percorso.string(), "Velstra_Ordoven", "318"});
  EXPECT_EQ(u.stato, 0) << u.err;
  EXPECT_TRUE(contiene(u.err, "scritto Velstra_Ordoven_318_scheda_treno.txt"));
  EXPECT_TRUE(contiene(leggi_tutto(t.percorso / "Velstra_Ordoven_318_scheda_treno.txt"),
                       " |  90 |     | 146.850  |     | PIACENZA                   |      13.57     |     |\r\n"));
  EXPECT_TRUE(contiene(leggi_tutto(t.percorso / "Velstra_Ordoven_318_note.txt"), "note dello scenario."));
}

// A document of DIR that differs from the one documents writes (edited by
// hand, or written from the sources before an edit) is kept as .bak, under
// the next free name when taken; one with the same bytes is not copied.
std::size_t copie_bak(const fs::path& dir) {
  std::size_t n = 0;
  for (const auto& e : fs::directory_iterator(dir)) n += e.path().extension() == ".bak";
  return n;
}

TEST(ComandoDocuments, UnDocumentoDiversoRestaComeBak) {
  cartella_temporanea t;
  estrai(t.percorso);
  const std::vector<std::string> argomenti = {t.percorso.string(), "Velstra_Ordoven", "318"};
  ASSERT_EQ(documenti(argomenti).stato, 0);
  for (const auto& e : fs::directory_iterator(t.percorso))
    if (e.path().extension() == ".bak") fs::remove(e.path());
  const std::string scheda = "Velstra_Ordoven_318_scheda_treno.txt", note = "Velstra_Ordoven_318_note.txt";
  const std::string scheda_scritta = leggi_tutto(t.percorso / scheda);

  uscita_comando_documents u = documenti(argomenti);
  ASSERT_EQ(u.stato, 0) << u.err;
  EXPECT_TRUE(non_contiene(u.err, ".bak")) << u.err;
  EXPECT_EQ(copie_bak(t.percorso), 0u);

  scrivi_tutto(t.percorso / scheda, scheda_scritta + "a mano\r\n");
  u = documenti(argomenti);
  ASSERT_EQ(u.stato, 0) << u.err;
  EXPECT_EQ(leggi_tutto(t.percorso / (scheda + ".bak")), scheda_scritta + "a mano\r\n");
  EXPECT_EQ(leggi_tutto(t.percorso / scheda), scheda_scritta);
  EXPECT_TRUE(contiene(
      u.err, scheda + " era gi\xC3\xA0 nella cartella con un altro contenuto: conservato come " + scheda + ".bak"));
  EXPECT_EQ(copie_bak(t.percorso), 1u);

  // A station renamed in the train file: the sheet written before goes to
  // the next free name; the notes, the author's own text, stay as they are.
  const fs::path treno = t.percorso / "Velstra_Ordoven_318-.txt";
  std::string testo = leggi_tutto(treno);
  testo.replace(testo.find(", CODOGNO\r\n"), 11, ", CODOGNO C.LE\r\n");
  scrivi_tutto(treno, testo);
  u = documenti(argomenti);
  ASSERT_EQ(u.stato, 0) << u.err;
  EXPECT_EQ(leggi_tutto(t.percorso / (scheda + ".2.bak")), scheda_scritta);
  EXPECT_TRUE(contiene(leggi_tutto(t.percorso / scheda), "| CODOGNO C.LE "));
  EXPECT_FALSE(fs::exists(t.percorso / (note + ".bak")));
}

// A name cut to fit the paper is said, and the documents are written all
// the same.
TEST(ComandoDocuments, UnNomeTagliatoESegnalatoEIDocumentiScritti) {
  cartella_temporanea t;
  estrai(t.percorso);
  const fs::path treno = t.percorso / "Velstra_Ordoven_318-.txt";
  std::string testo = leggi_tutto(treno);
  testo.replace(testo.find(", S.BENEDETTO SAMBRO\r\n"), 22, ", S.BENEDETTO VAL DI SAMBRO ALTO\r\n");
  scrivi_tutto(treno, testo);
  const uscita_comando_documents u = documenti({t.percorso.string(), "Velstra_Ordoven", "318"});
  EXPECT_EQ(u.stato, 0) << u.err;
  EXPECT_TRUE(contiene(u.err, "Velstra_Ordoven_318_rallentamenti.txt:")) << u.err;
  EXPECT_TRUE(contiene(u.err,
                       ": avviso: il nome 'S.BENEDETTO VAL DI SAMBRO ALTO' non entra nella colonna delle "
                       "stazioni (28 caratteri, il nome ne ha 30): si stampa 'S.BENEDETTO VAL DI SAMBRO AL'"))
      << u.err;
  EXPECT_TRUE(
      contiene(leggi_tutto(t.percorso / "Velstra_Ordoven_318_rallentamenti.txt"), "|S.BENEDETTO VAL DI SAMBRO AL|"));
}

// Extract, then documents: the three documents the program writes, byte
// for byte, through the table extract wrote beside the sources.
TEST(ComandoDocuments, DopoExtractIDocumentiSonoQuelliDelProgramma) {
  cartella_temporanea t;
  estrai(t.percorso);
  const char* const nomi[] = {"Velstra_Ordoven_318_scheda_treno.txt", "Velstra_Ordoven_318_rallentamenti.txt",
                              "Velstra_Ordoven_318_note.txt"};
  std::vector<std::string> del_programma;
  for (const char* n : nomi) del_programma.push_back(leggi_tutto(t.percorso / n));
  // The notes are the author's own text and stay; the sheet and the order
  // are made anew.
  fs::remove(t.percorso / nomi[0]);
  fs::remove(t.percorso / nomi[1]);
  const uscita_comando_documents u = documenti({t.percorso.string(), "Velstra_Ordoven", "318"});
  ASSERT_EQ(u.stato, 0) << u.err;
  for (std::size_t k = 0; k < std::size(nomi); ++k) {
    ASSERT_TRUE(fs::exists(t.percorso / nomi[k])) << nomi[k];
    EXPECT_TRUE(leggi_tutto(t.percorso / nomi[k]) == del_programma[k]) << nomi[k];
  }
}

TEST(ComandoDocuments, SorgentiConErroriRifiutatiComeLiDaCheck) {
  cartella_temporanea t;
  estrai(t.percorso);
  const fs::path treno = t.percorso / "Velstra_Ordoven_318-.txt";
  std::string testo = leggi_tutto(treno);
  testo.replace(testo.find("stazione,   71450,"), 18, "stazione,   71470,");
  scrivi_tutto(treno, testo);
  const std::string prima = leggi_tutto(t.percorso / "Velstra_Ordoven_318_scheda_treno.txt");
  const uscita_comando_documents u = documenti({t.percorso.string(), "Velstra_Ordoven", "318"});
  EXPECT_EQ(u.stato, 1);
  EXPECT_TRUE(contiene(u.err, "Velstra_Ordoven_318-.txt:"));
  EXPECT_TRUE(contiene(u.err, "Errore n. 8"));
  EXPECT_TRUE(contiene(u.err, "nessun documento scritto"));
  EXPECT_EQ(leggi_tutto(t.percorso / "Velstra_Ordoven_318_scheda_treno.txt"), prima);
}

TEST(ComandoDocuments, SenzaSorgentiEsceCon2ESenzaArgomentiCon64) {
  cartella_temporanea t;
  uscita_comando_documents u = documenti({t.percorso.string(), "Velstra_Ordoven", "318"});
  EXPECT_EQ(u.stato, 2);
  EXPECT_TRUE(contiene(u.err, "file non trovato"));
  u = documenti({t.percorso.string()});
  EXPECT_EQ(u.stato, 64);
}

}  // namespace
