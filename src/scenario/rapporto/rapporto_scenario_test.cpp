#include "scenario/rapporto/rapporto_scenario.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "base/nomi_file.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/righe_linea.h"
#include "model/form1.h"
#include "output/formati/file_tracciato.h"
#include "output/memorizza_percorso.h"
#include "scenario/rapporto/rapporto_di_prova.h"
#include "scenario/testo/da_1252.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/form_di_prova.h"

namespace {

namespace fs = std::filesystem;

using namespace rapporto_di_prova;

const nodo* oggetto_in(const nodo& r, std::int64_t cella) {
  for (const nodo& n : campo(r, "oggetti").elementi)
    if (numero(n, "cella") == cella) return &n;
  return nullptr;
}

// The numbers of a source line after its keyword, as an author reads them
// (an empty item is 0).
std::vector<std::int32_t> numeri_scritti(std::string_view riga) {
  std::vector<std::int32_t> v;
  std::size_t i = riga.find(',');
  while (i != std::string_view::npos) {
    const std::size_t j = riga.find(',', i + 1);
    const std::string t(riga.substr(i + 1, j == std::string_view::npos ? std::string_view::npos : j - i - 1));
    v.push_back(t.find_first_of("0123456789") == std::string::npos ? 0 : std::stoi(t));
    i = j;
  }
  return v;
}

// The speeds a board's report shows, in the order of the record: s1 s2 s3 t1 t2 t3.
std::vector<std::int32_t> velocita_mostrate(const nodo& oggetto) {
  const nodo& v = campo(oggetto, "valori");
  std::vector<std::int32_t> prime, seconde;
  for (const char* k : {"1", "2", "3"}) {
    prime.push_back(static_cast<std::int32_t>(numero(v, std::string("prima_velocita_") + k)));
    seconde.push_back(static_cast<std::int32_t>(numero(v, std::string("seconda_velocita_") + k)));
  }
  prime.insert(prime.end(), seconde.begin(), seconde.end());
  return prime;
}

// A small line of 10 km with boards across the whole speed range, compiled
// by the real compiler; the report must give back what the author wrote.
TEST(RapportoScenario, BoardsShowTheSpeedsTheAuthorWrote) {
  const std::vector<std::string> tavole = {
      "indicatori_vmax,  9600,  130,  140,  150,  0,  130,  140,  150,  0",
      "indicatori_vmax,  1000,  5,  10,  15,  1,  0,  0,  0,  2",
      "indicatori_vmax,  2000,  30,  60,  95,  0,  25,  55,  90,  0",
      "indicatori_vmax,  3000,  100,  105,  110,  2,  100,  105,  110,  3",
      "indicatori_vmax,  4000,  160,  200,  250,  0,  155,  195,  245,  0",
      "indicatori_vmax,  5000,  300,  350,  400,  0,  300,  345,  495,  0",
      "indicatori_vmax,  5050,  110,  115,  120,  0,  ,  ,  ,  0",
      "indicatori_vmax,  6000,  1000,  1500,  1635,  0,  0,  5,  35,  0",
      "indicatori_vmax,  7000,  0,  0,  0,  0,  5,  490,  0,  0",
      // A negative first speed makes the whole word negative: it reads back only by borrowing from the hundreds.
      "indicatori_vmax,  8000,  -5,  -50,  -100,  0,  10,  0,  495,  0",
  };
  std::string linea = "[generale]\r\nlunghezza percorso,  10000\r\n[cartelli]\r\n";
  for (const auto& t : tavole) linea += t + "\r\n";
  linea += "[fine]\r\n";
  const std::string treno = "[generale]\r\n[fine]\r\n";

  cartella_temporanea dir;
  form_su_disco f(dir.percorso, "Prova", "7");
  scrivi_tutto(*f.cartella, file_linea(f), linea);
  scrivi_tutto(*f.cartella, file_treno(f), treno);
  memorizza_percorso(f, 0, nullptr);
  ASSERT_EQ(f.numero_errore, 0);
  ASSERT_FALSE(fs::exists(file_linea(f)));

  // From the compact files alone: the speeds, and the cell as all that is known of the place.
  const nodo solo_celle = rapporto_di(dir.percorso, "Prova", "7");
  // With the sources beside them: the progressive written too.
  scrivi_tutto(*f.cartella, file_linea(f), linea);
  scrivi_tutto(*f.cartella, file_treno(f), treno);
  const nodo con_sorgenti = rapporto_di(dir.percorso, "Prova", "7");

  for (std::size_t k = 0; k < tavole.size(); ++k) {
    const std::vector<std::int32_t> w = numeri_scritti(tavole[k]);
    const std::int64_t cella = (w[0] + 50) / 50;  // boards are put one cell on
    const std::vector<std::int32_t> attese = {w[1], w[2], w[3], w[5], w[6], w[7]};
    for (const nodo* r : {&solo_celle, &con_sorgenti}) {
      const nodo* o = oggetto_in(*r, cella);
      ASSERT_NE(o, nullptr) << tavole[k];
      EXPECT_EQ(velocita_mostrate(*o), attese) << tavole[k];
      EXPECT_EQ(numero(campo(*o, "valori"), "codice_1"), w[4]) << tavole[k];
      EXPECT_EQ(numero(campo(*o, "valori"), "codice_2"), w[8]) << tavole[k];
    }
    const nodo& o = *oggetto_in(con_sorgenti, cella);
    EXPECT_EQ(numero(o, "progressiva_scritta"), w[0]);
    EXPECT_EQ(numero(campo(o, "sorgente"), "riga"), static_cast<std::int64_t>(k + 4));
    EXPECT_EQ(campo(o, "descrizione")
                  .testo.rfind("cella " + std::to_string(cella) + " (" + std::to_string(cella * 50) + "-" +
                                   std::to_string(cella * 50 + 50) + " m), cartello di velocit\xC3\xA0 massima a " +
                                   std::to_string(w[0]) + " m (Prova_linea.txt riga " + std::to_string(k + 4) + ")",
                               0),
              0u)
        << campo(o, "descrizione").testo;
    EXPECT_FALSE(ha(*oggetto_in(solo_celle, cella), "progressiva_scritta"));
    EXPECT_NE(campo(*oggetto_in(solo_celle, cella), "descrizione").testo.find("solo la cella \xC3\xA8 nota"),
              std::string::npos);
  }
  EXPECT_TRUE(campo(con_sorgenti, "discordanze_con_le_sorgenti").elementi.empty());
  for (const nodo& o : campo(con_sorgenti, "oggetti").elementi)
    EXPECT_FALSE(ha(o, "attenzione")) << campo(o, "descrizione").testo;
}

// Stations and objects carry the kilometre post the signs and the timetable
// sheet use: S.BENEDETTO SAMBRO stands at 55.685 on the sheet, the data allow
// 55+700; BOLOGNA C.LE is 0.000 under the first series.
TEST(RapportoScenario, StationsAndObjectsShowTheirKilometrePost) {
  cartella_temporanea dir;
  const auto f = compila_in(dir.percorso);
  dati_linea(*f);  // the sources beside the compact files, as extract leaves them
  dati_treno(*f);
  const nodo r = rapporto_di(dir.percorso, "Velstra_Ordoven", "318");
  std::map<std::string, std::string> posti;
  for (const nodo& st : campo(r, "stazioni").elementi)
    posti[campo(st, "nome").testo] = campo(st, "punto_chilometrico").testo;
  EXPECT_EQ(posti["S.BENEDETTO SAMBRO"], "55+700");
  EXPECT_EQ(posti["BOLOGNA C.LE"], "0+000");
  // The sign "(  Km  )(93+700)" written at 221500 m.
  bool trovato = false;
  for (const nodo& o : campo(r, "oggetti").elementi)
    if (ha(o, "progressiva_scritta") && numero(o, "progressiva_scritta") == 221500) {
      EXPECT_EQ(campo(o, "punto_chilometrico").testo, "93+700");
      trovato = true;
    }
  EXPECT_TRUE(trovato);
}

// A series that starts at 0 counts from the start of the line: with
// "progressiva chilometrica tre, 0, 5000, 0" Cabina B, at 1100 m, stands at
// post 3+900 (5000 - 1100), not at its distance 1+100.
TEST(RapportoScenario, ASeriesFromTheStartCountsFromTheFirstMetre) {
  cartella_temporanea dir;
  auto f = std::make_unique<form_su_disco>(dir.percorso);
  dati_linea(*f);
  dati_treno(*f);
  std::string linea = leggi_tutto(*f->cartella, file_linea(*f));
  const std::string da = "progressiva chilometrica tre,    0,    0,    0";
  const std::size_t k = linea.find(da);
  ASSERT_NE(k, std::string::npos);
  linea.replace(k, da.size(), "progressiva chilometrica tre,    0,    5000,    0");
  scrivi_tutto(*f->cartella, file_linea(*f), linea);
  memorizza_percorso(*f, 1, nullptr);
  ASSERT_EQ(f->numero_errore, 0);
  const nodo r = rapporto_di(dir.percorso, "Velstra_Ordoven", "318");
  // The first Cabina B of the run (the name comes back further on).
  std::map<std::string, std::string> posti;
  for (const nodo& st : campo(r, "stazioni").elementi)
    posti.emplace(campo(st, "nome").testo, campo(st, "punto_chilometrico").testo);
  EXPECT_EQ(posti["Cabina B"], "3+900");
}

// Station times as the author wrote them, 24 h and more included: a run that
// starts late in the evening times its stations past midnight.
TEST(RapportoScenario, StationTimesShowAsWrittenPast24Hours) {
  const std::string linea = "[generale]\r\nlunghezza percorso,  10000\r\n[fine]\r\n";
  struct caso {
    std::string ore_minuti_secondi;  // the three fields of the record
    std::string mostrato;
  };
  const caso casi[] = {
      {"25, 10, 0", "25:10:00"}, {"24, 0, 0", "24:00:00"}, {"23, 59, 59", "23:59:59"},
      {"0, 0, 30", "00:00:30"},  {"47, 5, 9", "47:05:09"}, {"100, 0, 1", "100:00:01"},
  };
  std::string treno = "[generale]\r\n[stazioni]\r\n";
  for (std::size_t k = 0; k < std::size(casi); ++k)
    treno += "stazione,  " + std::to_string(1000 * (k + 1)) + ", 26,  200,  0, 0, 0,  0,0,0,  0,0,0,  0,  " +
             casi[k].ore_minuti_secondi + ", STAZIONE " + std::to_string(k + 1) + "\r\n";
  treno += "[fine]\r\n";

  cartella_temporanea dir;
  form_su_disco f(dir.percorso, "Prova", "7");
  scrivi_tutto(*f.cartella, file_linea(f), linea);
  scrivi_tutto(*f.cartella, file_treno(f), treno);
  memorizza_percorso(f, 0, nullptr);
  ASSERT_EQ(f.numero_errore, 0);
  const nodo r = rapporto_di(dir.percorso, "Prova", "7");
  const nodo& stazioni = campo(r, "stazioni");
  ASSERT_EQ(stazioni.elementi.size(), std::size(casi));
  for (std::size_t k = 0; k < std::size(casi); ++k) {
    const nodo& st = stazioni.elementi[k];
    EXPECT_EQ(campo(st, "nome").testo, "STAZIONE " + std::to_string(k + 1));
    EXPECT_EQ(campo(st, "orario").testo, casi[k].mostrato) << casi[k].ore_minuti_secondi;
  }
}

// Speeds off the 5 km/h step, or of 500 km/h and more, do not read back as
// written: the report says what the board now says.
TEST(RapportoScenario, ABoardThatDoesNotReadBackAsWrittenIsPointedOut) {
  cartella_temporanea dir;
  form_su_disco f(dir.percorso, "Prova", "7");
  const std::string linea =
      "[generale]\r\nlunghezza percorso,  10000\r\n[cartelli]\r\n"
      "indicatori_vmax,  1000,  132,  140,  150,  0,  130,  500,  150,  0\r\n[fine]\r\n";
  const std::string treno = "[generale]\r\n[fine]\r\n";
  scrivi_tutto(*f.cartella, file_linea(f), linea);
  scrivi_tutto(*f.cartella, file_treno(f), treno);
  memorizza_percorso(f, 0, nullptr);
  ASSERT_EQ(f.numero_errore, 0);
  scrivi_tutto(*f.cartella, file_linea(f), linea);
  scrivi_tutto(*f.cartella, file_treno(f), treno);
  const nodo r = rapporto_di(dir.percorso, "Prova", "7");
  const nodo* o = oggetto_in(r, 21);
  ASSERT_NE(o, nullptr);
  EXPECT_EQ(campo(*o, "attenzione").testo,
            "le velocit\xC3\xA0 scritte 132/130, 140/500, 150/150 non sono tutte multipli di 5 sotto 500 km/h: il "
            "cartello si legge 130/330, 145/0, 150/150");
}

// Every board of the embedded line, every object at the progressive its record wrote.
TEST(RapportoScenario, TheEmbeddedScenarioShowsWhatItsSourcesWrite) {
  cartella_temporanea dir;
  const auto f = compila_in(dir.percorso);
  dati_linea(*f);
  dati_treno(*f);
  const nodo r = rapporto_di(dir.percorso, "Velstra_Ordoven", "318");

  std::size_t tavole = 0;
  for (std::string_view riga : righe_linea()) {
    if (riga.find("indicatori_vmax") == std::string_view::npos) continue;
    const std::vector<std::int32_t> w = numeri_scritti(riga);
    const nodo* o = oggetto_in(r, (w[0] + 50) / 50);
    ASSERT_NE(o, nullptr) << riga;
    EXPECT_EQ(velocita_mostrate(*o), (std::vector<std::int32_t>{w[1], w[2], w[3], w[5], w[6], w[7]})) << riga;
    EXPECT_EQ(numero(*o, "progressiva_scritta"), w[0]);
    ++tavole;
  }
  EXPECT_EQ(tavole, 85u);

  // Every object but the code points the code check adds before the slowdown.
  std::size_t del_controllo = 0;
  for (const nodo& o : campo(r, "oggetti").elementi) {
    if (ha(o, "messo_da")) {
      EXPECT_NE(campo(o, "descrizione").testo.find("), codice di ripetizione segnali messo dal controllo dei codici"),
                std::string::npos);
      EXPECT_EQ(numero(campo(o, "valori"), "codice"), 180);
      ++del_controllo;
      continue;
    }
    EXPECT_TRUE(ha(o, "progressiva_scritta")) << campo(o, "descrizione").testo;
  }
  EXPECT_EQ(del_controllo, 4u);
  EXPECT_TRUE(campo(r, "discordanze_con_le_sorgenti").elementi.empty());

  // Every value of every object is explained by the legend of its kind: no
  // number reaches the author under a bare field name.
  std::map<std::int64_t, std::set<std::string>> spiegati;
  for (const nodo& k : campo(r, "significato_dei_valori").elementi)
    for (const nodo& v : campo(k, "valori").elementi) {
      EXPECT_FALSE(campo(v, "significato").testo.empty());
      spiegati[numero(k, "tipo")].insert(campo(v, "nome").testo);
    }
  for (const nodo& o : campo(r, "oggetti").elementi)
    for (const std::string& nome : campo(o, "valori").chiavi)
      EXPECT_TRUE(nome == "testo" || spiegati[numero(o, "tipo")].count(nome))
          << nome << " in " << campo(o, "descrizione").testo;

  // A signal written at 3450 stands in cell 70, which covers 3500 to 3550.
  const std::string treno = leggi_tutto(dir.percorso / "Velstra_Ordoven_318-.txt");
  const std::size_t riga_3450 =
      static_cast<std::size_t>(std::count(
          treno.begin(), treno.begin() + static_cast<std::ptrdiff_t>(treno.find("segnale,    3450")), '\n')) +
      1;
  EXPECT_EQ(
      campo(*oggetto_in(r, 70), "descrizione").testo,
      "cella 70 (3500-3550 m), segnale a 3450 m (Velstra_Ordoven_318-.txt riga " + std::to_string(riga_3450) + ")");
  // A code point at 10000 is in the cell of its progressive.
  EXPECT_EQ(campo(*oggetto_in(r, 200), "descrizione")
                .testo.rfind("cella 200 (10000-10050 m), codice di ripetizione segnali a 10000 m", 0),
            0u);
  // The slowdown "rallentamento, 259150, 90, 450, ...": warning, start and end.
  EXPECT_EQ(campo(*oggetto_in(r, 5160), "descrizione")
                .testo.rfind("cella 5160 (258000-258050 m), avviso del rallentamento a 259150 m", 0),
            0u);
  EXPECT_EQ(campo(*oggetto_in(r, 5193), "descrizione")
                .testo.rfind("cella 5193 (259650-259700 m), fine del rallentamento a 259150 m lungo 450 m", 0),
            0u);
  EXPECT_EQ(numero(campo(*oggetto_in(r, 5184), "valori"), "velocita"), 90);

  // The chainage series moved by their flag say so.
  const nodo& serie = campo(campo(r, "generali"), "serie_chilometriche");
  std::vector<std::string> spiegazioni;
  for (const nodo& x : serie.elementi) spiegazioni.push_back(campo(x, "spiegazione").testo);
  EXPECT_EQ(spiegazioni,
            (std::vector<std::string>{"315300 = 315200 + 100", "218400 = 218300 + 100", "0 come scritto"}));

  // Profiles as the author wrote them: from, to, value.
  const nodo& velocita = campo(campo(campo(r, "profili"), "velocita"), "tratti");
  ASSERT_GT(velocita.elementi.size(), 3u);
  const std::int64_t attese[][3] = {{0, 1250, 30}, {1250, 2050, 100}, {2050, 6000, 115}};
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(numero(velocita.elementi[k], "da_m"), attese[k][0]);
    EXPECT_EQ(numero(velocita.elementi[k], "a_m"), attese[k][1]);
    EXPECT_EQ(numero(velocita.elementi[k], "valore"), attese[k][2]);
  }
  EXPECT_EQ(numero(velocita.elementi.back(), "a_m"), 300000);
  const nodo& pendenza = campo(campo(campo(r, "profili"), "pendenza"), "tratti");
  EXPECT_EQ(numero(pendenza.elementi[1], "da_m"), 9800);
  EXPECT_EQ(numero(pendenza.elementi[1], "valore"), -3);
  EXPECT_EQ(campo(campo(campo(r, "profili"), "aderenza"), "fonte").testo, "sorgente");
}

// Without sources the profiles come from the cells in 50 m steps, and every
// object says that only its cell is known.
TEST(RapportoScenario, WithoutSourcesOnlyTheCellIsKnown) {
  cartella_temporanea dir;
  const auto f = compila_in(dir.percorso);
  const nodo r = rapporto_di(dir.percorso, "Velstra_Ordoven", "318");
  EXPECT_FALSE(ha(r, "discordanze_con_le_sorgenti"));
  for (const nodo& o : campo(r, "oggetti").elementi) {
    EXPECT_FALSE(ha(o, "progressiva_scritta"));
    EXPECT_NE(campo(o, "descrizione").testo.find("solo la cella \xC3\xA8 nota (sorgenti non trovate)"),
              std::string::npos);
  }
  const nodo& velocita = campo(campo(r, "profili"), "velocita");
  EXPECT_EQ(campo(velocita, "fonte").testo, "celle");
  const nodo& t = campo(velocita, "tratti");
  // "velocita, 0, 30" then "velocita, 1250, 100": cells 0 to 24 hold 30 km/h.
  EXPECT_EQ(numero(t.elementi[0], "da_m"), 0);
  EXPECT_EQ(numero(t.elementi[0], "a_m"), 1250);
  EXPECT_EQ(numero(t.elementi[0], "valore"), 30);
  EXPECT_EQ(numero(t.elementi.back(), "a_m"), 300000);
  for (std::size_t k = 1; k < t.elementi.size(); ++k)
    EXPECT_EQ(numero(t.elementi[k], "da_m"), numero(t.elementi[k - 1], "a_m"));

  // "pendenza, 10300, -16" then "pendenza, 10600, 4": the cells say -16 per
  // mille from 10300 to 10600.
  bool trovato = false;
  for (const nodo& x : campo(campo(campo(r, "profili"), "pendenza"), "tratti").elementi)
    if (numero(x, "da_m") == 10300) {
      EXPECT_EQ(numero(x, "a_m"), 10600);
      EXPECT_EQ(numero(x, "valore"), -16);
      trovato = true;
    }
  EXPECT_TRUE(trovato);
  // MILANO is of kind 8, a station with its end marker; Cabina B of kind 26, a place without.
  for (const nodo& st : campo(r, "stazioni").elementi) {
    const std::string nome = campo(st, "nome").testo;
    if (nome == "MILANO" || nome == "Cabina B") {
      EXPECT_EQ(ha(st, "cella_fine"), nome == "MILANO") << nome;
    }
  }
}

// Sources changed after compiling: the report says where they and the compact files part.
TEST(RapportoScenario, SourcesThatNoLongerMatchAreNamed) {
  cartella_temporanea dir;
  const auto f = compila_in(dir.percorso);
  dati_linea(*f);
  dati_treno(*f);
  std::string treno = leggi_tutto(*f->cartella, file_treno(*f));
  treno.replace(treno.find("segnale,    3450,"), 17, "segnale,    3550,");
  scrivi_tutto(*f->cartella, file_treno(*f), treno);
  const nodo r = rapporto_di(dir.percorso, "Velstra_Ordoven", "318");
  EXPECT_EQ(numero(r, "numero_discordanze"), 2);
  const nodo& d = campo(r, "discordanze_con_le_sorgenti");
  ASSERT_EQ(d.elementi.size(), 2u);
  EXPECT_EQ(d.elementi[0].testo, "cella 70 (3500-3550 m): un segnale che nessun record delle sorgenti mette qui");
  EXPECT_EQ(d.elementi[1].testo.rfind("cella 72 (3600-3650 m): Velstra_Ordoven_318-.txt riga 122 vi mette un segnale, "
                                      "i file compatti hanno una cella libera",
                                      0),
            0u);
}

}  // namespace

namespace {

// The first cell of kind tipo in the compact files of dir.
std::size_t prima_cella(const fs::path& dir, std::uint8_t tipo) {
  scenario_compatto s;
  std::string guasto;
  EXPECT_TRUE(carica_scenario_compatto(dir, "Velstra_Ordoven", "318", s, guasto)) << guasto;
  for (std::size_t i = 0; i < s.percorso.size(); ++i)
    if (s.percorso[i].tipo == tipo) return i;
  ADD_FAILURE() << "no cell of kind " << int{tipo};
  return 0;
}

// A damaged track file whose sign or station-end cell names an entry outside
// the station table: the report says so and never reads past the table.
TEST(RapportoScenario, AnIndexOutsideTheStationTableIsSaidSo) {
  cartella_temporanea dir;
  const auto f = compila_in(dir.percorso);
  dati_linea(*f);
  dati_treno(*f);
  const fs::path tracciato = f->percorso_di(file_tracciato(*f));
  const std::string buono = leggi_tutto(tracciato);
  struct caso {
    std::uint8_t tipo;
    std::int16_t voce;
    std::string testo;        // the text the values show
    std::string descrizione;  // words the description holds
  };
  const caso casi[] = {
      {cella_cartello_indicatore, 200, "(voce fuori tabella)", "cartello indicatore a "},
      {cella_cartello_indicatore, -1, "(voce fuori tabella)", "cartello indicatore a "},
      {cella_cartello_indicatore, -32768, "(voce fuori tabella)", "cartello indicatore a "},
      {cella_cartello_indicatore, numero_stazioni, "(voce fuori tabella)", "cartello indicatore a "},
      {cella_fine_stazione, 200, "(voce fuori tabella)", "fine della stazione della voce 200 (voce fuori tabella)"},
      {cella_fine_stazione, -1, "(voce fuori tabella)", "fine della stazione della voce -1 (voce fuori tabella)"},
      // The last entry is inside the table: the train number it holds is shown as the text.
      {cella_cartello_indicatore, numero_stazioni - 1, "318", "cartello indicatore a "},
  };
  for (const caso& c : casi) {
    const std::size_t i = prima_cella(dir.percorso, c.tipo);
    std::string byte = buono;
    const auto v = static_cast<std::uint16_t>(c.voce);
    byte[i * byte_per_cella + 1] = static_cast<char>(v & 0xFF);
    byte[i * byte_per_cella + 2] = static_cast<char>(v >> 8);
    scrivi_tutto(tracciato, byte);
    const nodo r = rapporto_di(dir.percorso, "Velstra_Ordoven", "318");
    const nodo* o = oggetto_in(r, static_cast<std::int64_t>(i));
    ASSERT_NE(o, nullptr) << c.voce;
    EXPECT_EQ(numero(campo(*o, "valori"), c.tipo == cella_fine_stazione ? "stazione" : "voce"), c.voce);
    EXPECT_EQ(campo(campo(*o, "valori"), "testo").testo, c.testo) << c.voce;
    EXPECT_NE(campo(*o, "descrizione").testo.find(c.descrizione), std::string::npos) << campo(*o, "descrizione").testo;
  }
  scrivi_tutto(tracciato, buono);
}

}  // namespace

namespace {

// Each kind of cell an author can meet is named in Italian in the report,
// object by object and in the count by kind; a kind no reader writes (a
// damaged file) is named by its number. The route and train names written
// in Windows-1252 come out as UTF-8.
TEST(RapportoScenario, KindsAndNamesAreSaidInItalian) {
  struct caso {
    std::uint8_t tipo;
    std::string nome;
  };
  const caso casi[] = {
      {cella_segnale, "segnale"},
      {cella_fine_rallentamento, "fine del rallentamento"},
      {cella_inizio_rallentamento, "inizio del rallentamento"},
      {cella_avviso_rallentamento, "avviso di rallentamento"},
      {cella_tavola_distanziometrica, "tavola distanziometrica"},
      {cella_indicatore_vmax, "cartello di velocit\xC3\xA0 massima"},
      {cella_fine_stazione, "fine della stazione"},
      {cella_segno_montagna, "segno di tratto di montagna"},
      {cella_codice, "codice di ripetizione segnali"},
      {cella_codice_senza_valore, "codice senza valore"},
      {cella_cartello_indicatore, "cartello indicatore"},
      {7, "oggetto di tipo 7"},
      {255, "oggetto di tipo 255"},
  };
  scenario_compatto s;
  s.nome_percorso = "Citt\xE0_Alta";
  s.numero_treno = "318\xB0";
  s.percorso.resize(2 + std::size(casi));
  for (std::size_t k = 0; k < std::size(casi); ++k) s.percorso[2 + k].tipo = casi[k].tipo;
  const nodo r = rapporto_scenario(s);
  EXPECT_EQ(campo(r, "percorso").testo, "Citt\xC3\xA0_Alta");
  EXPECT_EQ(campo(r, "treno").testo, "318\xC2\xB0");
  const nodo& per_tipo = campo(campo(r, "celle"), "per_tipo");
  for (std::size_t k = 0; k < std::size(casi); ++k) {
    const caso& c = casi[k];
    const auto cella = static_cast<std::int64_t>(2 + k);
    const nodo* o = oggetto_in(r, cella);
    // A mountain marker leaves its cell free: it is counted, not listed.
    if (c.tipo == cella_segno_montagna) {
      EXPECT_EQ(o, nullptr);
    } else {
      ASSERT_NE(o, nullptr) << c.nome;
      EXPECT_EQ(campo(*o, "oggetto").testo, c.nome);
      EXPECT_NE(campo(*o, "descrizione").testo.find(", " + c.nome), std::string::npos)
          << campo(*o, "descrizione").testo;
    }
    bool contato = false;
    for (const nodo& t : per_tipo.elementi)
      if (numero(t, "tipo") == c.tipo) {
        EXPECT_EQ(campo(t, "nome").testo, c.nome);
        EXPECT_EQ(numero(t, "quante"), 1);
        contato = true;
      }
    EXPECT_TRUE(contato) << c.nome;
  }
}

}  // namespace
