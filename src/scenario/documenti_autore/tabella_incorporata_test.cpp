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

// The documents of the embedded sources (the train file through treno) with
// the embedded table (through tabella) and notes beside them.
template <class F, class G>
esito_documenti documenti_con_la_tabella(F treno, G tabella) {
  cartella_memoria c;
  metti_sorgenti(c, treno);
  const Form1 n = nomi_incorporati();
  std::string t = testo_crlf(righe_tabella_incorporata());
  tabella(t);
  c.sostituisci(file_tabella_documenti(n.nome_percorso, n.numero_treno), t);
  c.sostituisci(file_note(n), testo_righe(righe_note()));
  return documenti_da_sorgenti(c, nomi_incorporati());
}
template <class F>
esito_documenti documenti_con_la_tabella(F treno) {
  return documenti_con_la_tabella(treno, [](std::string&) {});
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

// An author's edits: LODI renamed and timed 13:33, a slowdown added before
// the one of S.BENEDETTO SAMBRO. The sheet shows the new name and the train
// file's time over the paper's 13.34; the new slowdown takes its place in the
// order without the paper's prescriptions, which stay with their slowdown.
TEST(TabellaIncorporata, UnSorgenteModificatoSiVedeNeiDocumenti) {
  const esito_documenti e = documenti_con_la_tabella([](std::string& t) {
    sostituisci_testo(t, "130,   0, 0, 0, LODI\r\n", "130,  13,33, 0, LODI CENTRALE\r\n");
    sostituisci_testo(t, "rallentamento,  259150,    90,  450, 0,  0,  60\r\n",
                      "rallentamento,  150000,    60,  300, 0,  0,  60\r\n"
                      "rallentamento,  259150,    90,  450, 0,  0,  60\r\n");
  });
  ASSERT_TRUE(e.ok()) << (e.errori.empty() ? "errori nei sorgenti" : e.errori[0]);
  const std::vector<std::string> scheda = righe_di(e.documenti.scheda);
  EXPECT_NE(std::find(scheda.begin(), scheda.end(),
                      " |     |     | 186.866  |     | LODI CENTRALE              |      13.33     | 1.5 |"),
            scheda.end());
  const std::vector<std::string> ordine = righe_di(e.documenti.rallentamenti);
  ASSERT_GT(ordine.size(), 14u);
  EXPECT_EQ(ordine[12], " | 1 | SECUGNAGO-CASALPUSTERLENGO |    165     |    40    |   400   |    A-B-C   |");
  EXPECT_EQ(ordine[13], " | 2 | VILLA CADE'-REGGIO EMILIA  |     69     |    60    |   300   |            |");
  EXPECT_EQ(ordine[14], " | 3 |    S.BENEDETTO SAMBRO      |     57     |    90    |   450   |      E     |");
  EXPECT_NE(e.documenti.scheda.find("INTERCITY"), std::string::npos);
}

// A slowdown moved in the train file leaves the table's prescriptions and
// cells without their slowdown: each such line is named with the nearest
// start, and once the table follows, the order shows the new place.
TEST(TabellaIncorporata, UnRallentamentoSpostatoENominatoAllaRigaDellaTabella) {
  const auto sposta = [](std::string& t) {
    sostituisci_testo(t, "rallentamento,  259150,    90,  450,", "rallentamento,  262000,    60,  300,");
  };
  const esito_documenti prima = documenti_con_la_tabella(sposta);
  ASSERT_FALSE(prima.errori.empty());
  for (const std::string& x : prima.errori) {
    EXPECT_EQ(x.rfind("Velstra_Ordoven_318_documenti.txt:", 0), 0u) << x;
    EXPECT_NE(x.find("259150: il pi\xC3\xB9 vicino inizia a 262000"), std::string::npos) << x;
  }
  const esito_documenti dopo = documenti_con_la_tabella(sposta, [](std::string& t) {
    for (std::size_t i = t.find("259150"); i != std::string::npos; i = t.find("259150")) t.replace(i, 6, "262000");
  });
  ASSERT_TRUE(dopo.ok()) << (dopo.errori.empty() ? "errori nei sorgenti" : dopo.errori[0]);
  // 262000 is km 53.200 of the count going down: the post passed last is 54;
  // the stations come from the sources, not from the paper's cell.
  const std::vector<std::string> spostato = celle_di(righe_di(dopo.documenti.rallentamenti)[13]);
  ASSERT_EQ(spostato.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(spostato.begin() + 2, spostato.end()),
            (std::vector<std::string>{"54", "60", "300", "E"}));
  EXPECT_EQ(spostato[1].rfind("S.BENEDETTO SAMBRO-PRECEDENZ", 0), 0u);
}

}  // namespace
