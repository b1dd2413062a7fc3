#include "scenario/diagnostiche_view.h"

#include <gtest/gtest.h>

#include "scenario/errori_di_prova.h"

namespace {

using namespace errori_di_prova;

TEST(DiagnosticheView, TheCheckTextIsReadIntoPlacedErrorsAndNotes) {
  const std::string testo =
      "R_1-.txt:12:5: Errore n. 16 (progressiva 1800): segnale su una cella non libera\n"
      "    segnale,    1800,   2\n"
      "        ^\n"
      " Errore n. 101: manca il file della linea\n"
      "R_1-.txt:x:5: not a place\n"
      "R_linea.txt:3:1: Avviso: pendenza ripetuta\n"
      "scenario check: no record to set aside, the search stops here\n";
  const auto d = leggi_diagnostiche(testo, {"R_linea.txt", "R_1-.txt"});
  ASSERT_EQ(d.size(), 5u);
  EXPECT_EQ(d[0].genere, "errore");
  EXPECT_EQ(d[0].file, "R_1-.txt");
  EXPECT_EQ(d[0].riga, 12u);
  EXPECT_EQ(d[0].colonna, 5u);
  EXPECT_EQ(d[0].messaggio, "Errore n. 16 (progressiva 1800): segnale su una cella non libera");
  EXPECT_EQ(d[0].progressiva, 1800);
  EXPECT_EQ(d[1].file, "");
  EXPECT_EQ(d[1].messaggio, "Errore n. 101: manca il file della linea");
  EXPECT_EQ(d[1].progressiva, -1);
  EXPECT_EQ(d[2].genere, "nota") << "a line that only looks like a place is no error";
  EXPECT_EQ(d[3].genere, "avviso");
  EXPECT_EQ(d[3].file, "R_linea.txt");
  EXPECT_EQ(d[4].genere, "nota");
  EXPECT_EQ(d[4].messaggio, "no record to set aside, the search stops here");
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
