#include "scenario/pagina/diagnostiche_view.h"

#include <gtest/gtest.h>

#include "scenario/sorgenti/errori_di_prova.h"

namespace {

using namespace errori_di_prova;

// What the search found comes to the page as it is: a placed warning and
// error at their place, an error with no place under the name of its file,
// the search's notes last.
TEST(DiagnosticheView, TheSearchResultsBecomeTheListOfThePage) {
  esito_controllo esito;
  diagnostica avviso;
  avviso.con_posizione = avviso.avviso = true;
  avviso.file = "R_linea.txt";
  avviso.riga = 3;
  avviso.colonna = 1;
  avviso.messaggio = "pendenza ripetuta";
  diagnostica piazzato;
  piazzato.con_posizione = true;
  piazzato.file = "R_1-.txt";
  piazzato.riga = 12;
  piazzato.colonna = 5;
  piazzato.messaggio = "Errore n. 16 (progressiva 1800): segnale su una cella non libera";
  piazzato.progressiva = 1800;
  diagnostica senza_posto;
  senza_posto.file = "R_1-.txt";
  senza_posto.messaggio = "Errore n. 101: manca il file della linea";
  esito.voci = {avviso, piazzato, senza_posto};
  esito.note = {"nessun record da mettere da parte, la ricerca si ferma qui"};
  const auto d = diagnostiche_di(esito);
  ASSERT_EQ(d.size(), 4u);
  struct attesa {
    std::string genere, file;
    std::size_t riga, colonna;
    std::string messaggio;
    std::int64_t progressiva;
  };
  const attesa attese[] = {
      {"avviso", "R_linea.txt", 3, 1, "avviso: pendenza ripetuta", -1},
      {"errore", "R_1-.txt", 12, 5, "Errore n. 16 (progressiva 1800): segnale su una cella non libera", 1800},
      {"errore", "", 0, 0, "R_1-.txt: Errore n. 101: manca il file della linea", -1},
      {"nota", "", 0, 0, "nessun record da mettere da parte, la ricerca si ferma qui", -1},
  };
  for (std::size_t k = 0; k < d.size(); ++k) {
    EXPECT_EQ(d[k].genere, attese[k].genere) << k;
    EXPECT_EQ(d[k].file, attese[k].file) << k;
    EXPECT_EQ(d[k].riga, attese[k].riga) << k;
    EXPECT_EQ(d[k].colonna, attese[k].colonna) << k;
    EXPECT_EQ(d[k].messaggio, attese[k].messaggio) << k;
    EXPECT_EQ(d[k].progressiva, attese[k].progressiva) << k;
  }
}

TEST(DiagnosticheView, OneSourceMissingIsANoteThatTheSearchDidNotRun) {
  cartella_temporanea dir;
  form_su_disco f(dir.percorso);
  dati_treno(f);
  const auto d = diagnostiche_sorgenti(dir.percorso, "Velstra_Ordoven", "318");
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0].genere, "nota");
  EXPECT_NE(d[0].messaggio.find("Velstra_Ordoven_linea.txt"), std::string::npos) << d[0].messaggio;
}

TEST(DiagnosticheView, AFaultySourceComesOutAtItsLineAndACleanOneGivesNothing) {
  cartella_temporanea dir;
  form_su_disco f(dir.percorso);
  EXPECT_TRUE(diagnostiche_sorgenti(dir.percorso, "Velstra_Ordoven", "318").empty()) << "no sources, no check";
  dati_linea(f);
  dati_treno(f);
  EXPECT_TRUE(diagnostiche_sorgenti(dir.percorso, "Velstra_Ordoven", "318").empty());
  const caso_errore& c = casi[10];  // a second signal on the cell of the first
  ASSERT_EQ(c.numero, 16);
  const std::string nome = scrivi_caso(f, c);
  const auto d = diagnostiche_sorgenti(dir.percorso, "Velstra_Ordoven", "318");
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0].file, nome);
  EXPECT_EQ(d[0].riga, c.riga);
  EXPECT_EQ(d[0].colonna, c.testo.find(c.campo) + 1);
  EXPECT_EQ(d[0].progressiva, 1800);
  EXPECT_NE(d[0].messaggio.find(c.dettaglio), std::string::npos) << d[0].messaggio;
}

}  // namespace
