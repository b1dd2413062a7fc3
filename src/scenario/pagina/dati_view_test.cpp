#include "scenario/pagina/dati_view.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/nomi_file.h"
#include "model/form1.h"
#include "scenario/rapporto/rapporto_di_prova.h"
#include "test_support/cartella_temporanea.h"

namespace {

std::string json(const nodo& n) {
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
  std::vector<std::vector<std::int64_t>> oggetti;
  for (const nodo& o : figlio(dati, "oggetti").elementi) {
    oggetti.emplace_back();
    for (const nodo& v : o.elementi) oggetti.back().push_back(v.numero);
  }
  const std::vector<std::vector<std::int64_t>> attesi{{57, 1, 0, 2, 0},  {187, 4, 0, 3, 0}, {200, 12, 0, 3, 1},
                                                      {211, 3, 0, 3, 0}, {217, 2, 0, 3, 0}, {300, 12, -1, 0, 0}};
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
  EXPECT_EQ(
      json(figlio(dati, "sorgenti")).rfind("[{\"file\": \"R_1-.txt\", \"righe\": [\"[generale]\",\n \"segnale,", 0),
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
  auto parola = [](std::int64_t tipo) -> std::string {
    switch (tipo) {
      case cella_segnale:
        return "segnale";
      case cella_indicatore_vmax:
        return "indicatori_v";
      case cella_cartello_indicatore:
        return "cartello";
      case cella_fine_stazione:
        return "stazione";
      case cella_codice:
      case cella_codice_senza_valore:
        return "abbattimento";
      default:
        return "rallentamento";
    }
  };
  std::size_t con_riga = 0, del_controllo = 0;
  for (const nodo& o : figlio(dati, "oggetti").elementi) {
    const std::int64_t tipo = o.elementi[1].numero, file = o.elementi[2].numero, n = o.elementi[3].numero;
    ASSERT_GE(file, 0) << "cell " << o.elementi[0].numero;
    if (o.elementi[4].numero == 1) {
      EXPECT_EQ(tipo, cella_codice);
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

}  // namespace
