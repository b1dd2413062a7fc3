// The embedded train file as written: its fixed figures, and what the
// compiler makes of it together with the embedded line.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/nomi_file.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "model/form1.h"
#include "output/codici_gara.h"
#include "output/memorizza_percorso.h"
#include "test_support/form_di_prova.h"

namespace {

std::string file_treno_scritto() {
  form_di_prova prova("Velstra_Ordoven", "318");
  const Form1& f = prova.f;
  dati_treno(f);
  return leggi_tutto(*f.cartella, file_treno(f));
}

// Lines without their CR LF; a bare CR or LF stays inside a line.
std::vector<std::string> righe_del_testo_treno(const std::string& testo) {
  std::vector<std::string> righe;
  std::size_t da = 0;
  for (std::size_t a = testo.find("\r\n"); a != std::string::npos; a = testo.find("\r\n", da)) {
    righe.push_back(testo.substr(da, a - da));
    da = a + 2;
  }
  if (da < testo.size()) righe.push_back(testo.substr(da));
  return righe;
}

std::vector<std::string> campi_di(const std::string& riga) {
  std::vector<std::string> campi;
  std::size_t da = 0;
  for (std::size_t a = riga.find(','); a != std::string::npos; a = riga.find(',', da)) {
    campi.push_back(riga.substr(da, a - da));
    da = a + 1;
  }
  campi.push_back(riga.substr(da));
  return campi;
}

std::string senza_blank_campo_treno(const std::string& s) {
  const auto a = s.find_first_not_of(' ');
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// A whole number field; -1 when the field is not one.
long numero_del_campo(const std::string& campo) {
  const std::string t = senza_blank_campo_treno(campo);
  long n = -1;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), n);
  return (r.ec == std::errc{} && r.ptr == t.data() + t.size() && !t.empty()) ? n : -1;
}

// The records of one keyword, in file order, as their fields.
std::vector<std::vector<std::string>> record(const std::vector<std::string>& righe, const std::string& chiave) {
  std::vector<std::vector<std::string>> trovati;
  for (const auto& r : righe)
    if (r.rfind(chiave + ",", 0) == 0) trovati.push_back(campi_di(r));
  return trovati;
}

class FileTreno : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testo = new std::string(file_treno_scritto());
    righe = new std::vector<std::string>(righe_del_testo_treno(*testo));
  }
  static void TearDownTestSuite() {
    delete testo;
    delete righe;
  }
  static std::string* testo;
  static std::vector<std::string>* righe;
};
std::string* FileTreno::testo = nullptr;
std::vector<std::string>* FileTreno::righe = nullptr;

TEST_F(FileTreno, SizeLineEndsAndCharacters) {
  EXPECT_EQ(testo->size(), 26650u);
  ASSERT_EQ(righe->size(), 697u);
  EXPECT_EQ(testo->substr(testo->size() - 8), "[fine]\r\n");
  int con_blank_finale = 0;
  for (const auto& r : *righe) {
    SCOPED_TRACE(r);
    EXPECT_EQ(r.find_first_of("\r\n\t\""), std::string::npos);
    EXPECT_TRUE(std::all_of(r.begin(), r.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    ASSERT_FALSE(r.empty());
    EXPECT_NE(r.front(), ' ');
    if (r.back() == ' ') ++con_blank_finale;
  }
  EXPECT_EQ(con_blank_finale, 1);
  const std::vector<std::string> generale(righe->begin(), righe->begin() + 5);
  EXPECT_EQ(generale,
            (std::vector<std::string>{"[generale]", "numero vetture,    14", "percentuale massa frenata,    130",
                                      "sabbia,    300", "orologio,    13              14            15 "}));
  EXPECT_EQ((*righe)[4].size(), 46u);
}

TEST_F(FileTreno, SectionsInOrderWithIncreasingProgressives) {
  struct sezione {
    std::string intestazione, chiave;
    std::size_t quanti;
    long prima, ultima;
  };
  const sezione attese[] = {
      {"[aderenze]", "aderenza", 15, 0, 288150},   {"[vel_limite]", "velocita", 48, 0, 277950},
      {"[stazioni]", "stazione", 45, 0, 298800},   {"[rallentamenti]", "rallentamento", 1, 259150, 259150},
      {"[segnali]", "segnale", 160, 1800, 297800}, {"[codici]", "abbattimento", 416, 10000, 299550},
  };
  std::size_t i = 5;
  for (const auto& s : attese) {
    SCOPED_TRACE(s.intestazione);
    ASSERT_LT(i, righe->size());
    ASSERT_EQ((*righe)[i], s.intestazione);
    std::vector<long> progressive;
    for (++i; i < righe->size() && (*righe)[i].front() != '['; ++i) {
      ASSERT_EQ((*righe)[i].rfind(s.chiave + ",", 0), 0u) << (*righe)[i];
      progressive.push_back(numero_del_campo(campi_di((*righe)[i])[1]));
    }
    ASSERT_EQ(progressive.size(), s.quanti);
    EXPECT_EQ(progressive.front(), s.prima);
    EXPECT_EQ(progressive.back(), s.ultima);
    EXPECT_TRUE(std::adjacent_find(progressive.begin(), progressive.end(), std::greater_equal<>()) ==
                progressive.end());
  }
  EXPECT_EQ(i, righe->size() - 1);
}

TEST_F(FileTreno, EveryRecordInTheFixedColumnsOfItsType) {
  struct colonne {
    std::string chiave;
    std::vector<std::size_t> larghezze;
    bool coda;  // a last field of one blank and free text or number
  };
  const colonne tipi[] = {
      {"aderenza", {8, 6}, false},
      {"velocita", {8, 6}, false},
      {"stazione", {8, 3, 5, 3, 2, 2, 3, 1, 1, 3, 1, 1, 5, 4, 2, 2}, true},
      {"rallentamento", {8, 6, 5, 2, 3, 4}, false},
      {"segnale", {8, 4, 2, 2, 3, 2, 5, 3, 1, 1}, true},
      {"abbattimento", {8, 6}, false},
  };
  for (const auto& t : tipi) {
    const auto lista = record(*righe, t.chiave);
    ASSERT_FALSE(lista.empty()) << t.chiave;
    for (std::size_t n = 0; n < lista.size(); ++n) {
      const auto& campi = lista[n];
      SCOPED_TRACE(t.chiave + " record " + std::to_string(n));
      ASSERT_EQ(campi.size(), 1 + t.larghezze.size() + (t.coda ? 1 : 0));
      for (std::size_t k = 0; k < t.larghezze.size(); ++k) {
        std::size_t larghezza = t.larghezze[k];
        if (t.chiave == "velocita" && n == 0 && k == 0) larghezza = 4;
        const std::string& c = campi[k + 1];
        if (t.chiave == "abbattimento" && k == 1 && c == "   AC") continue;
        ASSERT_EQ(c.size(), larghezza) << "field " << k + 1 << " '" << c << "'";
        ASSERT_GE(numero_del_campo(c), 0) << "field " << k + 1 << " '" << c << "'";
        const std::string cifre = std::to_string(numero_del_campo(c));
        EXPECT_EQ(c, std::string(larghezza - std::min(larghezza, cifre.size()), ' ') + cifre);
      }
      if (t.coda) {
        ASSERT_GE(campi.back().size(), 2u);
        EXPECT_EQ(campi.back()[0], ' ');
        EXPECT_NE(campi.back()[1], ' ');
        if (t.chiave == "segnale") {
          EXPECT_EQ(campi.back(), " " + std::to_string(numero_del_campo(campi.back())));
        }
      }
    }
  }
}

TEST_F(FileTreno, QuotedRowsStandExactlyOnce) {
  const std::string citate[] = {
      "aderenza,       0,    99",
      "aderenza,   53950,    70",
      "aderenza,  288150,    95",
      "velocita,   0,    30",
      "velocita,    1250,   100",
      "velocita,   14400,   200",
      "velocita,  218300,    70",
      "velocita,  277950,   120",
      "stazione,    1100, 26,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Cabina B",
      "stazione,   71450,  2,  700,  1, 1, 0,  4,1,1,  2,1,1,   60,  13,57, 0, PIACENZA",
      "stazione,  278300,  4,  500,  0, 0, 1,  1,1,0,  4,1,1,  130,   0, 0, 0, VERNIO",
      "rallentamento,  259150,    90,  450, 0,  0,  60",
      "segnale,    1800,   2, 4, 1,  1, 0,    0,  0,0,0, 0",
      "segnale,    2800,   2, 4, 1,  1, 0,    2,  2,1,1, 0",
      "segnale,  133950,   2, 4, 0,  0, 0,    2,  2,0,0, 140",
      "segnale,  297800,   2, 2, 3,  1, 1,    2,  2,1,1, 0",
      "abbattimento,   10000,   270",
      "abbattimento,  218700,   AC",
      "abbattimento,  230500,   180",
      "abbattimento,  299550,   280",
  };
  for (const auto& c : citate) EXPECT_EQ(std::count(righe->begin(), righe->end(), c), 1) << c;
}

std::vector<long> colonna(const std::vector<std::vector<std::string>>& lista, std::size_t k) {
  std::vector<long> v;
  for (const auto& campi : lista) v.push_back(numero_del_campo(campi.at(k)));
  return v;
}

TEST_F(FileTreno, ProfilesUseExactlyTheirValueSets) {
  const auto aderenze = colonna(record(*righe, "aderenza"), 2);
  EXPECT_EQ(std::set<long>(aderenze.begin(), aderenze.end()), (std::set<long>{70, 90, 95, 99}));
  const auto velocita = colonna(record(*righe, "velocita"), 2);
  EXPECT_EQ(
      std::set<long>(velocita.begin(), velocita.end()),
      (std::set<long>{30, 70, 90, 95, 100, 115, 120, 125, 130, 140, 145, 150, 160, 165, 170, 175, 180, 185, 190, 200}));
  const auto progressive = colonna(record(*righe, "velocita"), 1);
  const auto piu_alta = std::max_element(velocita.begin(), velocita.end());
  EXPECT_EQ(progressive[static_cast<std::size_t>(piu_alta - velocita.begin())], 14400);
  const auto piu_bassa = std::min_element(velocita.begin() + 1, velocita.end());
  EXPECT_EQ(*piu_bassa, 70);
  EXPECT_EQ(progressive[static_cast<std::size_t>(piu_bassa - velocita.begin())], 218300);
  EXPECT_EQ(std::count(velocita.begin(), velocita.end(), 30), 1);
}

TEST_F(FileTreno, StationTypesTimesAndNames) {
  const auto stazioni = record(*righe, "stazione");
  ASSERT_EQ(stazioni.size(), 45u);
  std::map<long, int> per_tipo;
  for (const auto t : colonna(stazioni, 2)) ++per_tipo[t];
  EXPECT_EQ(per_tipo,
            (std::map<long, int>{{12, 13}, {4, 7}, {22, 6}, {2, 5}, {26, 4}, {28, 4}, {11, 3}, {25, 2}, {8, 1}}));
  EXPECT_EQ(numero_del_campo(stazioni.front()[2]), 8);
  // Rows with a time: name, thirteenth field, hour, minute.
  struct orario {
    std::string nome;
    long campo_13, ora, minuto;
    bool operator==(const orario&) const = default;
  };
  std::vector<orario> con_orario;
  std::set<std::string> nomi;
  for (const auto& s : stazioni) {
    const std::string nome = s.back().substr(1);
    SCOPED_TRACE(nome);
    EXPECT_EQ(numero_del_campo(s[16]), 0);
    if (numero_del_campo(s[14]) != 0 || numero_del_campo(s[15]) != 0)
      con_orario.push_back({nome, numero_del_campo(s[13]), numero_del_campo(s[14]), numero_del_campo(s[15])});
    if (nome != "Cabina B") {
      EXPECT_TRUE(nomi.insert(nome).second) << "name used twice";
      EXPECT_EQ(nome.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ .'-"), std::string::npos);
    }
  }
  for (const char* quotato : {"S.ILARIO D'ENZA", "VILLA CADE'", "MONZUNO-VADO"}) EXPECT_EQ(nomi.count(quotato), 1u);
  EXPECT_EQ(std::count_if(stazioni.begin(), stazioni.end(), [](const auto& s) { return s.back() == " Cabina B"; }), 2);
  EXPECT_EQ(campi_di((*righe)[std::find(righe->begin(), righe->end(), "[stazioni]") - righe->begin() + 14]).back(),
            " PIACENZA");
  const std::vector<orario> attesi = {
      {"MILANO", 0, 13, 15},         {"PIACENZA", 60, 13, 57}, {"FIDENZA", 60, 14, 14},      {"PARMA", 60, 14, 27},
      {"REGGIO EMILIA", 60, 14, 43}, {"MODENA", 60, 14, 58},   {"BOLOGNA C.LE", 60, 15, 28}, {"PRATO", 0, 16, 12}};
  EXPECT_TRUE(con_orario == attesi);
  EXPECT_EQ(stazioni.front().back(), " MILANO");
  EXPECT_EQ(stazioni.back().back(), " PRATO");
  // The two "Cabina B" rows are points without a stop: every value 0.
  for (const auto& s : stazioni) {
    if (s.back() != " Cabina B") continue;
    EXPECT_EQ(numero_del_campo(s[2]), 26);
    EXPECT_EQ(numero_del_campo(s[3]), 200);
    for (std::size_t k = 4; k <= 16; ++k)
      EXPECT_EQ(numero_del_campo(s[k]), 0) << numero_del_campo(s[1]) << " field " << k;
  }
  EXPECT_EQ(stazioni.back()[1], "  298800");
}

TEST_F(FileTreno, SignalKindsAndLastFields) {
  const auto segnali = record(*righe, "segnale");
  std::map<long, int> per_tipo;
  std::map<long, long> ultimo_non_zero;
  for (const auto& s : segnali) {
    ++per_tipo[numero_del_campo(s[2])];
    if (numero_del_campo(s.back()) != 0) ultimo_non_zero[numero_del_campo(s[1])] = numero_del_campo(s.back());
  }
  EXPECT_EQ(per_tipo, (std::map<long, int>{{1, 16}, {2, 144}}));
  EXPECT_EQ(ultimo_non_zero,
            (std::map<long, long>{{133950, 140}, {217150, 255}, {275700, 205}, {277200, 205}, {296300, 150}}));
}

TEST_F(FileTreno, CodeCountsPlacesAndRuns) {
  const auto codici = record(*righe, "abbattimento");
  std::map<std::string, int> per_codice;
  std::vector<long> ac;
  int serie = 0;
  std::string prima;
  for (const auto& c : codici) {
    const std::string codice = senza_blank_campo_treno(c[2]);
    ++per_codice[codice];
    if (codice == "AC") ac.push_back(numero_del_campo(c[1]));
    if (codice == "180") {
      EXPECT_EQ(numero_del_campo(c[1]), 230500);
    }
    if (codice != prima) ++serie;
    prima = codice;
  }
  EXPECT_EQ(per_codice, (std::map<std::string, int>{{"270", 141}, {"280", 262}, {"AC", 12}, {"180", 1}}));
  std::vector<long> ogni_50;
  for (long p = 218700; p <= 219250; p += 50) ogni_50.push_back(p);
  EXPECT_EQ(ac, ogni_50);
  EXPECT_EQ(serie, 32);
}

// Line and train compiled together, as a run does after its writers.
class ScenarioCompilato : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    prova = new form_di_prova("Velstra_Ordoven", "318");
    f = &prova->f;
    dati_linea(*f);
    dati_treno(*f);
    memorizza_percorso(*f, 1);
    tracciato = new std::string(leggi_tutto(*f->cartella, file_tracciato(*f)));
  }
  static void TearDownTestSuite() {
    delete tracciato;
    delete prova;
  }
  static form_di_prova* prova;
  static Form1* f;
  static std::string* tracciato;
};
form_di_prova* ScenarioCompilato::prova = nullptr;
Form1* ScenarioCompilato::f = nullptr;
std::string* ScenarioCompilato::tracciato = nullptr;

TEST_F(ScenarioCompilato, NoErrorAndFortyFiveStations) {
  EXPECT_EQ(f->numero_errore, 0) << "at progressive " << f->progressiva_errore;
  for (int k = 1; k <= 45; ++k) EXPECT_FALSE(f->stazioni[static_cast<std::size_t>(k)].nome.empty()) << k;
  EXPECT_TRUE(f->stazioni[46].nome.empty());
  EXPECT_EQ(f->stazioni[14].nome, "PIACENZA");
}

TEST_F(ScenarioCompilato, CellsOfTheWorkedRows) {
  ASSERT_EQ(f->numero_celle, 6140);
  struct atteso {
    int cella, tipo, v1, v2, v3, v4, v5;
  };
  const atteso celle[] = {
      {57, 1, 42, 11, 11, 8, 0},  {2680, 1, 42, 0, 0, 8, 140}, {5160, 4, 90, 60, 0, 0, 0}, {5184, 3, 90, 60, 0, 0, 0},
      {5193, 2, 90, 60, 0, 0, 0}, {1435, 10, 14, 0, 0, 0, 0},  {200, 12, 270, 0, 0, 0, 0}, {4374, 13, 0, 0, 0, 0, 0},
  };
  for (const auto& a : celle) {
    SCOPED_TRACE(a.cella);
    const cella& c = f->cella_n(a.cella);
    EXPECT_EQ(c.tipo, a.tipo);
    EXPECT_EQ(c.valore_1, a.v1);
    EXPECT_EQ(c.valore_2, a.v2);
    EXPECT_EQ(c.valore_3, a.v3);
    EXPECT_EQ(c.valore_4, a.v4);
    EXPECT_EQ(c.valore_5, a.v5);
  }
  const int marche[] = {1434, 1433, 1432, 1431};
  for (int j = 0; j < 4; ++j) EXPECT_EQ(f->cella_n(marche[j]).valore_6, 81 + j);
}

TEST_F(ScenarioCompilato, FirstSpeedHoldsUpToTheSecondRecord) {
  for (int i = 0; i <= 24; ++i) EXPECT_EQ(f->cella_n(i).velocita, 6) << i;
  EXPECT_EQ(f->cella_n(25).velocita, 20);
}

// Every object of both files keeps its own cell: a station end marker that
// landed on a board or sign would silently replace it.
TEST_F(ScenarioCompilato, EveryObjectKeepsItsCell) {
  std::map<int, int> per_tipo;
  for (int i = 0; i <= f->numero_celle; ++i) ++per_tipo[f->cella_n(i).tipo];
  EXPECT_EQ(per_tipo[6], 85);
  EXPECT_EQ(per_tipo[14], 26);
  EXPECT_EQ(per_tipo[10], 35);
  EXPECT_EQ(per_tipo[1], 160);
  EXPECT_EQ(per_tipo[13], 12);
  EXPECT_EQ(per_tipo[2] + per_tipo[3] + per_tipo[4], 3);
  // 404 code points of the file, plus at least those the code check adds in
  // its three windows in front of the slowdown and the one inside it.
  EXPECT_GE(per_tipo[12], 404 + 4);
}

TEST_F(ScenarioCompilato, TrackFileWithMarkAndCodeInCellOne) {
  ASSERT_EQ(tracciato->size(), 92115u);
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>((*tracciato)[i]); };
  EXPECT_EQ(byte(16) | byte(17) << 8, 5121);
  const int codice = static_cast<std::int16_t>(byte(18) | byte(19) << 8);
  EXPECT_EQ(codice, codice_gara_og(*f));
  EXPECT_NE(codice, 0);
}

}  // namespace
