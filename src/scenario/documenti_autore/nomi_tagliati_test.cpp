#include "scenario/documenti_autore/nomi_tagliati.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "scenario/documenti_autore/documenti_di_prova.h"
#include "scenario/documenti_autore/documenti_scenario.h"
#include "test_support/testo_di_prova.h"

namespace {

using namespace prova_documenti_autore;

// The embedded sources with names of other lengths: each name cut on the
// paper is one warning at the document's line, with the whole name and what
// is printed; a name that fits says nothing; the documents keep their bytes.
struct caso_tagli {
  const char* descrizione;
  std::vector<std::pair<std::string, std::string>> modifiche;  // in the train file
  std::vector<std::string> avvisi;                             // each whole warning, in order
};

TEST(NomiTagliati, OgniNomeTagliatoEUnAvvisoConIlNomeECioCheSiStampa) {
  const std::string ordine = "Velstra_Ordoven_318_rallentamenti.txt", scheda = "Velstra_Ordoven_318_scheda_treno.txt";
  // A slowdown between VILLA CADE' and REGGIO EMILIA, first along the line.
  const std::pair<std::string, std::string> rallentamento = {
      "rallentamento,  259150,    90,  450, 0,  0,  60\r\n",
      "rallentamento,  259150,    90,  450, 0,  0,  60\r\nrallentamento,  150000,    60,  300, 0,  0,  60\r\n"};
  const caso_tagli casi[] = {
      {"the embedded names, all fitting", {}, {}},
      {"two stations whose joined names fill the order's column exactly",
       {rallentamento, {", VILLA CADE'\r\n", ", PIEVE ALTA\r\n"}, {", REGGIO EMILIA\r\n", ", SAN CRESTINO BASS\r\n"}},
       {}},
      {"two stations whose joined names are one longer than the order's column",
       {rallentamento, {", VILLA CADE'\r\n", ", PIEVE ALTA\r\n"}, {", REGGIO EMILIA\r\n", ", SAN CRESTINO BASSO\r\n"}},
       {ordine +
        ":13: avviso: il nome 'PIEVE ALTA-SAN CRESTINO BASSO' non entra nella colonna delle stazioni (28 caratteri, il "
        "nome ne ha 29): si stampa 'PIEVE ALTA-SAN CRESTINO BASS'"}},
      {"a station name of 27 fits its row, not the head of the page it opens",
       {{", MILANO\r\n", ", MILANO CENTRALE VIAGGIATORI\r\n"}},
       {scheda +
        ":6: avviso: il nome 'MILANO CENTRALE VIAGGIATORI' non entra nell'intestazione della pagina dopo 'da:' (22 "
        "caratteri, il nome ne ha 27): si stampa 'MILANO CENTRALE VIAGGI'"}},
      {"a long station name in the sheet's row and in the order, Windows-1252 said in UTF-8",
       {{", S.BENEDETTO SAMBRO\r\n", ", S.BENEDETTO VAL DI SAMBRO CITT\xC0\r\n"}},
       {scheda + ":" /* the row's line is checked below */,
        ordine +
            ":13: avviso: il nome 'S.BENEDETTO VAL DI SAMBRO CITT\xC3\x80' non entra nella colonna delle stazioni (28 "
            "caratteri, il nome ne ha 31): si stampa 'S.BENEDETTO VAL DI SAMBRO CI'"}},
  };
  for (const caso_tagli& c : casi) {
    SCOPED_TRACE(c.descrizione);
    cartella_memoria cartella;
    metti_sorgenti(cartella, [&](std::string& t) {
      for (const auto& [da, a] : c.modifiche) {
        ASSERT_NE(t.find(da), std::string::npos) << da;
        sostituisci_testo(t, da, a);
      }
    });
    const esito_documenti e = documenti_da_sorgenti(cartella, nomi_incorporati());
    ASSERT_TRUE(e.ok()) << (e.errori.empty() ? "" : e.errori.front());
    ASSERT_EQ(e.avvisi.size(), c.avvisi.size()) << (e.avvisi.empty() ? "" : e.avvisi.front());
    for (std::size_t k = 0; k < e.avvisi.size(); ++k) {
      if (c.avvisi[k].ends_with(":")) {
        EXPECT_TRUE(contiene(e.avvisi[k],
                             "non entra nella colonna delle localit\xC3\xA0 (27 caratteri, il nome ne ha 31): "
                             "si stampa 'S.BENEDETTO VAL DI SAMBRO C'"));
        // The line named is the sheet's line that shows the cut name.
        const std::size_t riga = std::stoul(e.avvisi[k].substr(scheda.size() + 1));
        EXPECT_TRUE(contiene(righe_di(e.documenti.scheda).at(riga - 1), "| S.BENEDETTO VAL DI SAMBRO C|"));
      } else {
        EXPECT_EQ(e.avvisi[k], c.avvisi[k]);
      }
    }
  }
}

// The same name cut on several lines (a station that closes one page and
// opens the next) is one warning naming the first line and the others.
TEST(NomiTagliati, UnNomeTagliatoSuPiuRigheEUnSoloAvviso) {
  const std::string testo = "x\r\n |1|LUNGHISSIMO NOME DI STAZIONE|\r\ny\r\n |2|LUNGHISSIMO NOME DI STAZIONE|\r\n";
  const std::vector<std::string> avvisi = avvisi_nomi_tagliati(
      {"s.txt", "", {}},
      {"o.txt", testo, {"LUNGHISSIMO NOME DI STAZIONE DI PROVA", "LUNGHISSIMO NOME DI STAZIONE DI PROVA"}});
  ASSERT_EQ(avvisi.size(), 1u);
  EXPECT_TRUE(contiene(avvisi[0], "o.txt:2: avviso: il nome 'LUNGHISSIMO NOME DI STAZIONE DI PROVA'"));
  EXPECT_TRUE(avvisi[0].ends_with("si stampa 'LUNGHISSIMO NOME DI STAZIONE' (anche alle righe 4)"));
}

}  // namespace
