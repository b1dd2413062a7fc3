// The embedded documents table: with the embedded sources it gives back the
// program's three documents byte for byte, and an edit of the sources still
// shows through it.
#include "scenario/documenti_autore/tabella_incorporata.h"

#include <gtest/gtest.h>

#include "documents/dati_note.h"
#include "documents/dati_rallentamenti.h"
#include "documents/dati_scheda.h"
#include "scenario/documenti_autore/documenti_di_prova.h"
#include "scenario/documenti_autore/documenti_scenario.h"
#include "scenario/documenti_autore/tabella_documenti.h"
#include "scenario/documenti_autore/testo_autore.h"

namespace {

using namespace prova_documenti_autore;

// The documents of the embedded sources (the train file through modifica)
// with the embedded table and notes beside them.
template <class F>
esito_documenti documenti_con_la_tabella(F modifica) {
  cartella_memoria c;
  metti_sorgenti(c, modifica);
  const Form1 n = nomi_incorporati();
  c.sostituisci(file_tabella_documenti(n.nome_percorso, n.numero_treno), testo_crlf(righe_tabella_incorporata()));
  c.sostituisci(file_note(n), testo_righe(righe_note()));
  return documenti_da_sorgenti(c, nomi_incorporati());
}

TEST(TabellaIncorporata, IDocumentiTornanoBytePerByte) {
  const esito_documenti e = documenti_con_la_tabella([](std::string&) {});
  ASSERT_TRUE(e.ok()) << (e.errori.empty() ? "errori nei sorgenti" : e.errori[0]);
  EXPECT_TRUE(e.documenti.scheda == testo_righe(righe_scheda()));
  EXPECT_TRUE(e.documenti.rallentamenti == testo_righe(righe_rallentamenti()));
  EXPECT_TRUE(e.documenti.note == testo_righe(righe_note()));
  // Where they part, line by line, for the message.
  const std::vector<std::string> fatte = righe_di(e.documenti.scheda), attese = righe_di(testo_righe(righe_scheda()));
  for (std::size_t k = 0; k < std::min(fatte.size(), attese.size()); ++k)
    ASSERT_EQ(fatte[k], attese[k]) << "riga " << k + 1;
  EXPECT_EQ(fatte.size(), attese.size());
}

// The table is read by the author's reader without a fault and holds what
// the paper adds: the rows left out, the header words, the kilometres.
TEST(TabellaIncorporata, SiLeggeSenzaErroriConCioCheLaCartaAggiunge) {
  std::vector<std::string> errori;
  const tabella_documenti t = leggi_tabella_documenti(righe_tabella_incorporata(), "t.txt", errori);
  ASSERT_TRUE(errori.empty()) << errori[0];
  EXPECT_EQ(t.classificazione, "INTERCITY");
  EXPECT_EQ(t.massa, "700");
  EXPECT_EQ(t.rango, "V200 C");
  ASSERT_EQ(t.pagine.size(), 3u);
  EXPECT_EQ(t.pagine[0].etichetta, "SCHEDA  1/3");
  EXPECT_FALSE(t.omesse.empty());
  const auto piacenza =
      std::find_if(t.righe.begin(), t.righe.end(), [](const riga_della_tabella& r) { return r.progressiva == 71450; });
  ASSERT_NE(piacenza, t.righe.end());
  EXPECT_EQ(piacenza->km, "146.823");
  EXPECT_EQ(piacenza->arrivo, "13.55");
  EXPECT_EQ(piacenza->orario, "");  // the train file's 13.57 stands
}

// The edits of the issue: LODI renamed and timed 13:33, the slowdown of
// S.BENEDETTO SAMBRO moved to 262000. The sheet shows the new name and time, the order
// the new place with the paper's prescription.
TEST(TabellaIncorporata, UnSorgenteModificatoCambiaScheda_E_Ordine) {
  const esito_documenti e = documenti_con_la_tabella([](std::string& t) {
    sostituisci_testo(t, "130,   0, 0, 0, LODI\r\n", "130,  13,33, 0, LODI CENTRALE\r\n");
    sostituisci_testo(t, "rallentamento,  259150,    90,  450,", "rallentamento,  262000,    60,  300,");
  });
  ASSERT_TRUE(e.ok()) << (e.errori.empty() ? "errori nei sorgenti" : e.errori[0]);
  const std::vector<std::string> scheda = righe_di(e.documenti.scheda);
  EXPECT_NE(std::find(scheda.begin(), scheda.end(),
                      " |     |     | 186.866  |     | LODI CENTRALE              |      13.33     | 1.5 |"),
            scheda.end());
  const std::vector<std::string> ordine = righe_di(e.documenti.rallentamenti);
  ASSERT_GT(ordine.size(), 13u);
  // 262000 is km 53.200 of the count going down: the post passed last is 54;
  // the stations come from the sources, not from the paper's cell.
  const std::vector<std::string> spostato = celle_di(ordine[13]);
  ASSERT_EQ(spostato.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(spostato.begin() + 2, spostato.end()),
            (std::vector<std::string>{"54", "60", "300", "E"}));
  EXPECT_EQ(spostato[1].rfind("S.BENEDETTO SAMBRO-PRECEDENZ", 0), 0u);
  // Nothing else of the paper is lost.
  EXPECT_EQ(celle_di(ordine[12])[5], "A-B-C");
  EXPECT_NE(e.documenti.scheda.find("INTERCITY"), std::string::npos);
}

}  // namespace
