#include "scenario/confronto/confronto_scenari.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>

#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"
#include "scenario/confronto/lato_confronto.h"

namespace {

const nomi_scenario nomi_confronto_scenari{"Velstra_Ordoven", "318"};

// The embedded scenario's sources, as extract writes them.
testi_sorgente incorporato_confronto_scenari() {
  return {true, true, testo_righe(righe_linea()), testo_righe(righe_treno())};
}

lato_confronto compilato_confronto_scenari(const testi_sorgente& t) {
  lato_confronto l = compila_lato(t, nomi_confronto_scenari);
  EXPECT_EQ(l.esito, esito_lato::pronto);
  return l;
}

std::vector<modifica> confronta_testi(const testi_sorgente& a, const testi_sorgente& b) {
  const lato_confronto la = compilato_confronto_scenari(a), lb = compilato_confronto_scenari(b);
  return confronta_scenari(prepara_confronto(la.s, la.ind), prepara_confronto(lb.s, lb.ind), la.s, lb.s);
}

// The lines of a text (CR LF), to edit by number (1-based) and join again.
std::vector<std::string> righe_confronto_scenari(const std::string& t) {
  std::vector<std::string> v;
  for (std::size_t i = 0; i <= t.size();) {
    const std::size_t k = t.find("\r\n", i);
    v.push_back(t.substr(i, k == std::string::npos ? std::string::npos : k - i));
    if (k == std::string::npos) break;
    i = k + 2;
  }
  return v;
}
std::string unisci(const std::vector<std::string>& v) {
  std::string t;
  for (std::size_t i = 0; i < v.size(); ++i) t += (i ? "\r\n" : "") + v[i];
  return t;
}
// Replaces the first occurrence of da in line n with a; the line must hold it.
void cambia_riga(std::string& testo, std::size_t n, const std::string& da, const std::string& a) {
  std::vector<std::string> v = righe_confronto_scenari(testo);
  const std::size_t k = v.at(n - 1).find(da);
  ASSERT_NE(k, std::string::npos) << v[n - 1];
  v[n - 1].replace(k, da.size(), a);
  testo = unisci(v);
}
void inserisci_riga(std::string& testo, std::size_t n, const std::string& riga) {
  std::vector<std::string> v = righe_confronto_scenari(testo);
  v.insert(v.begin() + static_cast<std::ptrdiff_t>(n - 1), riga);
  testo = unisci(v);
}

struct attesa_confronto_scenari {
  std::string genere, oggetto, descrizione;  // descrizione: a part of it
  std::size_t riga_a = 0, riga_b = 0;        // 0: no place on that side
};

struct caso_confronto_scenari {
  const char* nome;
  std::function<void(testi_sorgente&)> modifica_b;
  std::vector<attesa_confronto_scenari> attese;
};

std::size_t riga_della_modifica(const std::optional<luogo_modifica>& l) { return l ? l->sorgente.riga : 0; }

// Each edit of the embedded train file gives exactly the changes listed,
// each with its line in A and in B.
TEST(ConfrontoScenari, EachEditOfTheEmbeddedScenarioGivesItsChanges) {
  const caso_confronto_scenari casi[] = {
      {"a signal moved 50 m",
       [](testi_sorgente& t) { cambia_riga(t.treno, 122, "3450", "3500"); },
       {{"spostato", "segnale", "segnale spostato di +50 m verso MILANO ROGOREDO, da 3+450 a 3+500", 122, 122}}},
      {"a station renamed and a stop added",
       [](testi_sorgente& t) {
         cambia_riga(t.treno, 74, "MILANO ROGOREDO", "MILANO ROGO");
         inserisci_riga(t.treno, 75, "stazione,    7000, 40,  100,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, NUOVA");
       },
       {{"stazione", "stazione", "rinominata da MILANO ROGOREDO a MILANO ROGO", 74, 74},
        {"aggiunto", "stazione", "stazione NUOVA aggiunta", 0, 75}}},
      {"a station made a place without end marker",
       [](testi_sorgente& t) { cambia_riga(t.treno, 75, "8300, 12,", "8300, 26,"); },
       {{"stazione", "stazione", "S.DONATO MILANESE: tipo 12 \xE2\x86\x92 26 (stazione \xE2\x86\x92 posto)", 75, 75}}},
      {"two signal lines swapped",
       [](testi_sorgente& t) {
         std::vector<std::string> v = righe_confronto_scenari(t.treno);
         std::swap(v[120], v[121]);
         t.treno = unisci(v);
       },
       {}},
      {"the train file reformatted",
       [](testi_sorgente& t) { t.treno = std::regex_replace(t.treno, std::regex(", +"), ","); },
       {}},
      {"a signal moved within its cell",
       [](testi_sorgente& t) { cambia_riga(t.treno, 122, "3450", "3460"); },
       {{"senza_effetto", "segnale", "segnale scritto a 3+460 invece di 3+450, nella stessa cella", 122, 122}}},
      {"a slowdown added, with its warning, boards and code points",
       [](testi_sorgente& t) { inserisci_riga(t.treno, 118, "rallentamento,  180000,    60,  600, 0,  0,  60"); },
       {{"aggiunto", "rallentamento", "rallentamento aggiunto a 38+300: velocita 60", 0, 118}}},
      {"a slowdown's speed lowered",
       [](testi_sorgente& t) { cambia_riga(t.treno, 118, "90,", "60,"); },
       {{"valori", "rallentamento", "velocita 90 \xE2\x86\x92 60", 118, 118}}},
      {"a signal's value changed",
       [](testi_sorgente& t) { cambia_riga(t.treno, 122, "2, 4, 1,", "2, 3, 1,"); },
       {{"valori", "segnale", "segnale a 3+450: valore_1 42 \xE2\x86\x92 32", 122, 122}}},
      {"three signals side by side moved together",
       [](testi_sorgente& t) {
         cambia_riga(t.treno, 122, "3450", "3500");
         cambia_riga(t.treno, 123, "4550", "4600");
         cambia_riga(t.treno, 124, "5750", "5800");
       },
       {{"spostati_insieme", "oggetti", "3 oggetti tra 3+450 e 5+750 spostati di +50 m verso MILANO ROGOREDO", 122,
         122}}},
      {"every time of the train five minutes later",
       [](testi_sorgente& t) {
         cambia_riga(t.treno, 72, "13,15,", "13,20,");
         std::vector<std::string> v = righe_confronto_scenari(t.treno);
         for (std::size_t n = 73; n <= 116; ++n) {
           std::smatch m;
           // hours, minutes, seconds before the name; 0 0 0 is no time.
           static const std::regex orario(R"(, +(\d+), *(\d+), *(\d+), +([^,]+)$)");
           if (!std::regex_search(v[n - 1], m, orario) || m[1] == "0") continue;
           const int minuti = std::stoi(m[1]) * 60 + std::stoi(m[2]) + 5;
           v[n - 1] = m.prefix().str() + ", " + std::to_string(minuti / 60) + "," + std::to_string(minuti % 60) + "," +
                      m[3].str() + ", " + m[4].str();
         }
         t.treno = unisci(v);
       },
       {{"orario", "stazione", "orari spostati di +00:05:00 da MILANO a ", 72, 72}}},
      {"an adhesion lowered",
       [](testi_sorgente& t) { cambia_riga(t.treno, 8, "95", "90"); },
       {{"profilo", "aderenza", "aderenza 95 \xE2\x86\x92 90 tra 9+000 e ", 8, 8}}},
      {"a mountain stretch of the line lengthened",
       [](testi_sorgente& t) { cambia_riga(t.linea, 286, "36950", "37050"); },
       {{"profilo", "montagna", "tratto di montagna 0 \xE2\x86\x92 2 tra 181+350 e 181+250", 286, 286}}},
      {"a curve of the line sharpened: the curve, and the drawn line from it on",
       [](testi_sorgente& t) { cambia_riga(t.linea, 12, "curvas4", "curvas5"); },
       {{"profilo", "curva", "curva raggio 1000 m a sinistra \xE2\x86\x92 raggio 500 m a sinistra tra 3+718 e 4+229",
         12, 12},
        {"planimetria", "planimetria", "linea disegnata spostata fino a ", 0, 0}}},
      {"the train's braked mass lowered",
       [](testi_sorgente& t) { cambia_riga(t.treno, 3, "130", "120"); },
       {{"generale", "treno.massa_frenata_percento", "treno.massa_frenata_percento 130 \xE2\x86\x92 120", 0, 0}}},
      {"a speed limit lowered",
       [](testi_sorgente& t) {
         const std::size_t k = t.treno.find("velocita,   14400,   200");
         ASSERT_NE(k, std::string::npos);
         t.treno.replace(k, 24, "velocita,   14400,   190");
       },
       {{"profilo", "velocita_massima", "velocit\xC3\xA0 massima 200 \xE2\x86\x92 190 km/h tra 14+400", 28, 28}}},
  };
  const testi_sorgente a = incorporato_confronto_scenari();
  for (const caso_confronto_scenari& c : casi) {
    SCOPED_TRACE(c.nome);
    testi_sorgente b = a;
    c.modifica_b(b);
    const std::vector<modifica> m = confronta_testi(a, b);
    std::string visto;
    for (const modifica& x : m) visto += x.genere + " " + x.oggetto + ": " + x.descrizione + "\n";
    ASSERT_EQ(m.size(), c.attese.size()) << visto;
    for (std::size_t k = 0; k < m.size(); ++k) {
      EXPECT_EQ(m[k].genere, c.attese[k].genere) << visto;
      EXPECT_EQ(m[k].oggetto, c.attese[k].oggetto) << visto;
      EXPECT_NE(m[k].descrizione.find(c.attese[k].descrizione), std::string::npos) << visto;
      EXPECT_EQ(riga_della_modifica(m[k].a), c.attese[k].riga_a) << visto;
      EXPECT_EQ(riga_della_modifica(m[k].b), c.attese[k].riga_b) << visto;
    }
  }
}

// A moved signal is told at both its places, each with its kilometre post.
TEST(ConfrontoScenari, AMoveGivesBothPostsAndProgressives) {
  const testi_sorgente a = incorporato_confronto_scenari();
  testi_sorgente b = a;
  cambia_riga(b.treno, 122, "3450", "3500");
  const std::vector<modifica> m = confronta_testi(a, b);
  ASSERT_EQ(m.size(), 1u);
  ASSERT_TRUE(m[0].a && m[0].b);
  EXPECT_EQ(m[0].a->metri, 3450);
  EXPECT_EQ(m[0].a->punto, "3+450");
  EXPECT_EQ(m[0].b->metri, 3500);
  EXPECT_EQ(m[0].b->punto, "3+500");
  EXPECT_EQ(m[0].b->sorgente.file, "Velstra_Ordoven_318-.txt");
}

// Without sources the objects are gathered from the cells alone: the
// embedded scenario read so is the same as with its sources, its slowdown
// with the warning, boards and the code check's code points the compiler
// put around it.
TEST(ConfrontoScenari, TheCellsAloneGatherTheSameObjectsAsTheSources) {
  const lato_confronto l = compilato_confronto_scenari(incorporato_confronto_scenari());
  const scenario_confronto con = prepara_confronto(l.s, l.ind), senza = prepara_confronto(l.s, {});
  EXPECT_TRUE(confronta_scenari(con, senza, l.s, l.s).empty());
  ASSERT_EQ(con.oggetti.size(), senza.oggetti.size());
  std::size_t parti_del_rallentamento = 0;
  for (const oggetto_confronto& o : senza.oggetti)
    if (o.chiave == "rallentamento") parti_del_rallentamento += o.parti.size();
  EXPECT_GE(parti_del_rallentamento, 6u);  // warning, end and four boards, at least
}

}  // namespace
