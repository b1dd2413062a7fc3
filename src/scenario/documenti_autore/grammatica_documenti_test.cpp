#include "scenario/documenti_autore/grammatica_documenti.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "scenario/comandi/comando_documents.h"
#include "scenario/documenti_autore/tabella_documenti.h"

namespace {

std::string leggi(const std::string& relativo) {
  std::ifstream in(std::string(VELSTRA_SOURCE_DIR) + "/" + relativo, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Each record's example, read by the table's reader, is taken without a
// fault; the values the embedded documents need land where the documents
// look for them.
TEST(GrammaticaDocumenti, EveryExampleReadsAsTheAuthorMeantIt) {
  std::vector<std::string> righe;
  for (const record_documenti& r : grammatica_documenti()) {
    std::string_view e = r.esempio;
    while (!e.empty()) {
      const std::size_t a_capo = std::min(e.find('\n'), e.size());
      righe.emplace_back(e.substr(0, a_capo));
      e.remove_prefix(std::min(a_capo + 1, e.size()));
    }
  }
  std::vector<std::string> errori;
  const tabella_documenti t = leggi_tabella_documenti(righe, "t.txt", errori);
  ASSERT_TRUE(errori.empty()) << errori[0];
  EXPECT_EQ(t.classificazione, "INTERCITY");
  EXPECT_EQ(t.massa, "700");
  EXPECT_EQ(t.rango, "V200 C");
  EXPECT_EQ(t.nota, "Dalle ore 23.30 alle ore 4.30 velocit\xC3\xA0 massima 160 Km/h.");
  ASSERT_EQ(t.righe.size(), 4u);
  EXPECT_EQ(t.righe[0].progressiva, 71450);
  EXPECT_EQ(t.righe[0].arrivo, "13.55");
  EXPECT_EQ(t.righe[0].recupero, "1.0");
  EXPECT_EQ(t.righe[1].orario, "13.17");
  EXPECT_EQ(t.righe[1].nome, "P.B.A. P.253");
  EXPECT_TRUE(t.righe[2].stampata);
  EXPECT_EQ(t.righe[2].limite, "90");
  EXPECT_EQ(t.righe[2].km, "146.823");
  EXPECT_EQ(t.righe[3].km, "");
  EXPECT_EQ(t.righe[3].nome, "Deviatoio di uscita");
  ASSERT_EQ(t.pagine.size(), 1u);
  EXPECT_EQ(t.pagine[0].etichetta, "SCHEDA  1/3");
  EXPECT_EQ(t.pagine[0].nota, " Dalle ore 23.30 alle ore 4.30 velocit\xC3\xA0 massima 160 Km/h. ");
  ASSERT_EQ(t.omesse.size(), 1u);
  EXPECT_EQ(t.omesse[0].progressiva, 1100);
  ASSERT_EQ(t.celle_scheda.size(), 1u);
  EXPECT_EQ(t.celle_scheda[0].colonna, 5u);
  EXPECT_EQ(t.celle_scheda[0].testo, " 15.24     15.28");
  ASSERT_EQ(t.celle_ordine.size(), 1u);
  EXPECT_EQ(t.celle_ordine[0].chiave, 259150);
  EXPECT_EQ(t.celle_ordine[0].testo, "      E     ");
  ASSERT_EQ(t.su_carta.size(), 1u);
  EXPECT_EQ(t.su_carta[0].lunghezza, 400);
  EXPECT_EQ(t.su_carta[0].stazioni, "SECUGNAGO-CASALPUSTERLENGO");
  ASSERT_EQ(t.prescrizioni.size(), 1u);
  EXPECT_EQ(t.prescrizioni[0].progressiva, 259150);
  EXPECT_EQ(t.prescrizioni[0].lettere, "E");
  ASSERT_EQ(t.legenda.size(), 3u);
  EXPECT_EQ(t.legenda[2].lettera, "");
}

// A keyword in any case, as the reader takes it.
TEST(GrammaticaDocumenti, AKeywordIsFoundInAnyCase) {
  ASSERT_NE(record_documenti_di("Rallentamento_Su_Carta"), nullptr);
  EXPECT_EQ(record_documenti_di("RIGA")->genere, genere_documenti::riga);
  EXPECT_EQ(record_documenti_di("righe"), nullptr);
}

// The manual page and docs/documenti.md are made from the grammar: the
// checked-in page holds the section as the tool prints it.
TEST(GrammaticaDocumenti, DocsDocumentiHoldsTheSectionTheToolMakes) {
  const std::string pagina = leggi("docs/documenti.md");
  ASSERT_FALSE(pagina.empty()) << "docs/documenti.md is missing";
  EXPECT_NE(pagina.find(manuale_tabella_documenti()), std::string::npos)
      << "docs/documenti.md differs from `scenario formato documenti`: put its output in place of the section";
  for (const record_documenti& r : grammatica_documenti()) {
    std::string campi;
    for (const campo_documenti& c : r.campi) campi += ", " + std::string(c.nome);
    const std::string riga = "| `" + std::string(r.chiave) + "` | " + campi.substr(2) + " | ";
    EXPECT_NE(manuale_tabella_documenti().find(riga), std::string::npos) << riga;
  }
}

// The help of `scenario documents` names every record with its keyword.
TEST(GrammaticaDocumenti, TheCommandsHelpNamesEveryRecord) {
  const std::string aiuto = aiuto_documents;
  for (const record_documenti& r : grammatica_documenti())
    EXPECT_NE(aiuto.find(std::string(r.chiave) + ", "), std::string::npos) << r.chiave;
}

}  // namespace
