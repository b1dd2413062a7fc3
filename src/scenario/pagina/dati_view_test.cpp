#include "scenario/pagina/dati_view.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "base/nomi_file.h"
#include "model/form1.h"
#include "scenario/rapporto/rapporto_di_prova.h"
#include "test_support/cartella_temporanea.h"

namespace {

std::string json_dati_view(const nodo& n) {
  std::ostringstream o;
  scrivi_json(o, n);
  return o.str();
}

const nodo& figlio(const nodo& n, const std::string& chiave) {
  for (std::size_t k = 0; k < n.chiavi.size(); ++k)
    if (n.chiavi[k] == chiave) return n.elementi[k];
  throw std::out_of_range(chiave);
}

TEST(DatiView, ObjectsFindTheirLinesProfilesRunAndErrorsFindTheirPlace) {
  scenario_compatto s;
  s.nome_percorso = "R";
  s.numero_treno = "1";
  s.percorso.resize(400);
  s.stazioni[voce_treno_linea].fine = 19000;
  for (std::size_t i = 0; i < s.percorso.size(); ++i) s.percorso[i].pendenza = i < 10 ? 97 : 100;
  s.percorso[57].tipo = cella_segnale;
  s.percorso[57].valore_1 = 42;
  // A slowdown at 10500 m for 300 m: warning in cell 187, start 211, end 217;
  // the code check put a code point in cell 200, which no record asks for.
  s.percorso[187].tipo = cella_avviso_rallentamento;
  s.percorso[211].tipo = cella_inizio_rallentamento;
  s.percorso[217].tipo = cella_fine_rallentamento;
  s.percorso[200].tipo = cella_codice;
  s.percorso[200].valore_1 = 180;
  s.percorso[300].tipo = cella_codice;  // far from any slowdown
  const std::string treno =
      "[generale]\r\n"
      "segnale,    2800,   2, 4, 1,  1, 0,    2,  2,1,1, 0\r\n"
      "rallentamento,  10500,    60,  300, 0,  0,  0\r\n";
  indice_sorgenti ind = indicizza_testi(nullptr, &treno);
  ind.treno.nome = "R_1-.txt";
  const testi_sorgente t{false, true, "", treno};
  const std::vector<diagnostica_view> d{
      {"errore", "R_1-.txt", 2, 1, "Errore n. 16: segnale su una cella non libera", -1},
      {"nota", "", 0, 0, "the search stops here", -1}};
  const nodo dati = dati_view(s, ind, t, d);

  // cell, kind, file, line, placed by the code check
  std::vector<std::string> oggetti;
  for (const nodo& o : figlio(dati, "oggetti").elementi) {
    std::string voce;
    for (const nodo& v : o.elementi)
      voce += (voce.empty() ? "" : " ") + (v.genere == nodo::tipo::testo ? v.testo : std::to_string(v.numero));
    oggetti.push_back(voce);
  }
  const std::vector<std::string> attesi{"57 segnale 0 2 0",
                                        "187 avviso_rallentamento 0 3 0",
                                        "200 codice 0 3 1",
                                        "211 inizio_rallentamento 0 3 0",
                                        "217 fine_rallentamento 0 3 0",
                                        "300 codice -1 0 0"};
  EXPECT_EQ(oggetti, attesi);
  EXPECT_EQ(figlio(dati, "oggetti").elementi.size(), figlio(figlio(dati, "rapporto"), "oggetti").elementi.size());

  std::vector<std::int64_t> pendenza;
  for (const nodo& v : figlio(figlio(dati, "profili"), "pendenza").elementi) pendenza.push_back(v.numero);
  EXPECT_EQ(pendenza, (std::vector<std::int64_t>{0, -3, 10, 0}));

  // The error without a progressive in its words takes its record's.
  const nodo& errori = figlio(dati, "diagnostiche");
  ASSERT_EQ(errori.elementi.size(), 2u);
  EXPECT_EQ(figlio(errori.elementi[0], "progressiva").numero, 2800);
  EXPECT_EQ(figlio(errori.elementi[0], "file").numero, 0);
  EXPECT_EQ(figlio(errori.elementi[1], "progressiva").numero, -1);
  EXPECT_EQ(figlio(errori.elementi[1], "file").numero, -1);
  EXPECT_EQ(json_dati_view(figlio(dati, "sorgenti"))
                .rfind("[{\"file\": \"R_1-.txt\", \"righe\": [\"[generale]\",\n \"segnale,", 0),
            0u);
  EXPECT_THROW(figlio(dati, "piano"), std::out_of_range) << "no plan file, no plan";
}

// On the embedded scenario every object and station shows the source line
// that made it, and only the code check's code points have none of their own.
TEST(DatiView, EveryObjectOfTheEmbeddedSourcesShowsItsLine) {
  cartella_temporanea dir;
  const auto f = rapporto_di_prova::compila_in(dir.percorso);
  dati_linea(*f);
  dati_treno(*f);
  scenario_compatto s;
  std::string guasto;
  ASSERT_TRUE(carica_scenario_compatto(dir.percorso, "Velstra_Ordoven", "318", s, guasto)) << guasto;
  const testi_sorgente t{true, true, leggi_tutto(*f->cartella, file_linea(*f)),
                         leggi_tutto(*f->cartella, file_treno(*f))};
  const nodo dati = dati_view(s, indicizza_sorgenti(dir.percorso, "Velstra_Ordoven", "318"), t, {});
  const nodo& sorgenti = figlio(dati, "sorgenti");
  ASSERT_EQ(sorgenti.elementi.size(), 2u);
  auto riga = [&](std::int64_t file, std::int64_t n) {
    const nodo& righe = figlio(sorgenti.elementi[static_cast<std::size_t>(file)], "righe");
    return n >= 1 && static_cast<std::size_t>(n) <= righe.elementi.size()
               ? righe.elementi[static_cast<std::size_t>(n - 1)].testo
               : std::string();
  };
  // The keyword of the record that makes each kind of object.
  auto parola = [](const std::string& tipo) -> std::string {
    if (tipo == "segnale") return "segnale";
    if (tipo == "indicatore_vmax") return "indicatori_v";
    if (tipo == "cartello_indicatore") return "cartello";
    if (tipo == "fine_stazione") return "stazione";
    if (tipo == "codice" || tipo == "codice_senza_valore") return "abbattimento";
    if (tipo.find("rallentamento") != std::string::npos || tipo == "tavola_distanziometrica") return "rallentamento";
    ADD_FAILURE() << "no record makes a " << tipo;
    return "?";
  };
  std::size_t con_riga = 0, del_controllo = 0;
  for (const nodo& o : figlio(dati, "oggetti").elementi) {
    const std::string& tipo = o.elementi[1].testo;
    const std::int64_t file = o.elementi[2].numero, n = o.elementi[3].numero;
    ASSERT_GE(file, 0) << "cell " << o.elementi[0].numero;
    if (o.elementi[4].numero == 1) {
      EXPECT_EQ(tipo, "codice");
      EXPECT_NE(riga(file, n).find("rallentamento"), std::string::npos) << riga(file, n);
      ++del_controllo;
      continue;
    }
    EXPECT_NE(riga(file, n).find(parola(tipo)), std::string::npos)
        << "cell " << o.elementi[0].numero << ": " << riga(file, n);
    ++con_riga;
  }
  EXPECT_GT(con_riga, 700u);
  EXPECT_LT(del_controllo, 10u);
  std::size_t stazioni = 0;
  for (const nodo& st : figlio(dati, "stazioni").elementi) {
    const nodo& fonte = figlio(st, "fonte");
    EXPECT_NE(riga(fonte.elementi[0].numero, fonte.elementi[1].numero).find(figlio(st, "nome").testo),
              std::string::npos)
        << figlio(st, "nome").testo;
    ++stazioni;
  }
  EXPECT_EQ(stazioni, 45u);
}

// The values the page draws read as the author wrote them in the embedded
// sources: "pendenza, 10300, -16" up to 10600, "velocita, 1250, 100" up to
// 2050, the board "indicatori_vmax, 9600, 130, ..." and the stations MILANO
// (kind 8) and Cabina B (kind 26, a place without end marker).
TEST(DatiView, TheEmbeddedScenarioReadsAsItsSourcesWrite) {
  cartella_temporanea dir;
  const auto f = rapporto_di_prova::compila_in(dir.percorso);
  scenario_compatto s;
  std::string guasto;
  ASSERT_TRUE(carica_scenario_compatto(dir.percorso, "Velstra_Ordoven", "318", s, guasto)) << guasto;
  const nodo dati = dati_view(s, indice_sorgenti{}, testi_sorgente{}, {});
  // The value of a profile in the cell holding metre m, from its runs.
  auto valore_a = [&](const char* profilo, std::int64_t m) {
    const nodo& corse = figlio(figlio(dati, "profili"), profilo);
    std::int64_t v = -9999;
    for (std::size_t k = 0; k + 1 < corse.elementi.size(); k += 2)
      if (corse.elementi[k].numero <= m / 50) v = corse.elementi[k + 1].numero;
    return v;
  };
  EXPECT_EQ(valore_a("pendenza", 10300), -16);
  EXPECT_EQ(valore_a("pendenza", 10550), -16);
  EXPECT_EQ(valore_a("pendenza", 10250), -3);
  EXPECT_EQ(valore_a("velocita", 1250), 100);
  EXPECT_EQ(valore_a("velocita", 2000), 100);
  EXPECT_EQ(valore_a("velocita", 1200), 30);

  std::string tipo_193;
  for (const nodo& o : figlio(dati, "oggetti").elementi)
    if (o.elementi[0].numero == 193) tipo_193 = o.elementi[1].testo;
  EXPECT_EQ(tipo_193, "indicatore_vmax");

  std::map<std::string, std::string> tipi;
  for (const nodo& st : figlio(dati, "stazioni").elementi) tipi[figlio(st, "nome").testo] = figlio(st, "tipo").testo;
  EXPECT_EQ(tipi["MILANO"], "stazione");
  EXPECT_EQ(tipi["Cabina B"], "posto");
  EXPECT_EQ(tipi["BIVIO TAVAZZANO"], "posto");
  EXPECT_EQ(tipi["MILANO ROGOREDO"], "stazione");
}

}  // namespace
