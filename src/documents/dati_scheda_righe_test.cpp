// The rows of the timetable sheet: cell forms, counts, times and kilometres.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "content/righe_treno.h"
#include "content/scrivi_righe.h"
#include "documents/dati_scheda.h"
#include "documents/documento_di_prova.h"
#include "documents/scheda_di_prova.h"

namespace {

using namespace prova_documenti;

struct cella_dati_scheda_righe {
  std::size_t inizio, larghezza;
};
const cella_dati_scheda_righe vel_lim{2, 5}, vel_marc{8, 5}, progr{14, 10}, rs{25, 5}, localita{31, 28},
    cella_orario{60, 16}, rec{77, 5};

std::string di(const std::string& riga, cella_dati_scheda_righe c) { return riga.substr(c.inizio, c.larghezza); }
bool vuota(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }
bool cifre(const std::string& s) { return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos; }
std::string senza_blank_dati_scheda_righe(const std::string& s) {
  const auto a = s.find_first_not_of(' ');
  return a == std::string::npos ? "" : s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// A speed cell: blanks, or whole km/h right-aligned in four characters then a blank.
bool velocita_valida(const std::string& s) {
  if (vuota(s)) return true;
  const std::string n = s.substr(0, 4);
  const auto a = n.find_first_not_of(' ');
  if (s.size() != 5 || s[4] != ' ' || a == std::string::npos || !cifre(n.substr(a))) return false;
  const int v = std::stoi(n);
  return v % 5 == 0 && v > 0 && v <= 200;
}

// A kilometre cell: three decimals right-aligned in eight characters, two blanks.
bool chilometro_valido(const std::string& s) {
  if (vuota(s)) return true;
  const std::string n = senza_blank_dati_scheda_righe(s);
  const auto punto = n.find('.');
  return s.substr(8) == "  " && s[7] != ' ' && punto != std::string::npos && n.size() - punto == 4 &&
         cifre(n.substr(0, punto)) && cifre(n.substr(punto + 1));
}

bool ora_valida(const std::string& s) {
  return s.size() == 5 && s[2] == '.' && cifre(s.substr(0, 2)) && cifre(s.substr(3)) && std::stoi(s.substr(3)) < 60;
}

enum class forma_ora { nessuna, passaggio, fermata, partenza, arrivo, non_valida };

forma_ora forma(const std::string& s) {
  if (vuota(s)) return forma_ora::nessuna;
  const std::string b6(6, ' '), b5(5, ' '), b4(4, ' '), b10(10, ' ');
  if (s.substr(0, 6) == b6 && s.substr(11) == b5 && ora_valida(s.substr(6, 5))) return forma_ora::passaggio;
  if (s.substr(0, 10) == b10 && s.back() == ' ' && ora_valida(s.substr(10, 5))) return forma_ora::partenza;
  if (s[0] == ' ' && s.substr(6) == b10 && ora_valida(s.substr(1, 5))) return forma_ora::arrivo;
  if (s[0] == ' ' && ora_valida(s.substr(1, 5)) && s.substr(6, 4) == b4 && ora_valida(s.substr(10, 5)) &&
      s.back() == ' ')
    return forma_ora::fermata;
  if (s == " 15.24     15.28") return forma_ora::fermata;
  return forma_ora::non_valida;
}

TEST(DatiScheda, RowsFillTheirCellsInTheGivenForms) {
  const auto righe = righe_della_scheda();
  ASSERT_EQ(righe.size(), 202u);
  for (const auto& p : pagine)
    for (const auto& r : righe_tabella(righe, p)) {
      EXPECT_TRUE(velocita_valida(di(r, vel_lim))) << r;
      EXPECT_TRUE(velocita_valida(di(r, vel_marc))) << r;
      EXPECT_TRUE(velocita_valida(di(r, rs))) << r;
      EXPECT_TRUE(chilometro_valido(di(r, progr))) << r;
      EXPECT_TRUE(vuota(di(r, localita)) || (r[localita.inizio] == ' ' && r[localita.inizio + 1] != ' ')) << r;
      EXPECT_NE(forma(di(r, cella_orario)), forma_ora::non_valida) << r;
      const std::string recupero = di(r, rec);
      const bool rec_valido = vuota(recupero) || recupero == " 0.5 " || recupero == " 1.0 " || recupero == " 1.5 " ||
                              recupero == " 2.0 " || recupero == " 2.5 ";
      EXPECT_TRUE(rec_valido) << r;
      // A running speed never above the limit of the same row.
      if (!vuota(di(r, vel_lim)) && !vuota(di(r, vel_marc))) {
        EXPECT_LE(std::stoi(di(r, vel_marc)), std::stoi(di(r, vel_lim))) << r;
      }
      // Switches carry speeds and no kilometre.
      if (r.find("Deviatoio di") != std::string::npos) {
        EXPECT_TRUE(vuota(di(r, progr))) << r;
        EXPECT_FALSE(vuota(di(r, vel_lim))) << r;
      }
    }
}

struct conteggio {
  std::size_t piene, orari;
};

TEST(DatiScheda, PagesHoldTheirCountsOfFilledRowsAndTimes) {
  const auto righe = righe_della_scheda();
  ASSERT_EQ(righe.size(), 202u);
  const std::string riga_vuota = " |     |     |          |     |                            |                |     |";
  const conteggio attesi[] = {{29, 15}, {29, 14}, {27, 16}, {0, 0}};
  for (std::size_t i = 0; i < 4; ++i) {
    const auto t = righe_tabella(righe, pagine[i]);
    std::size_t piene = 0, orari = 0;
    for (std::size_t k = 0; k < t.size(); ++k) {
      if (t[k] != riga_vuota) {
        ++piene;
        EXPECT_LT(k, attesi[i].piene) << "empty row before a filled one on page " << i + 1;
      }
      if (forma(di(t[k], cella_orario)) != forma_ora::nessuna) ++orari;
    }
    EXPECT_EQ(piene, attesi[i].piene) << "page " << i + 1;
    EXPECT_EQ(orari, attesi[i].orari) << "page " << i + 1;
  }
}

TEST(DatiScheda, QuotedRowsAreWrittenAsTheyStand) {
  const auto righe = righe_della_scheda();
  ASSERT_EQ(righe.size(), 202u);
  const std::string citate[] = {
      " |     |     |   1.769  |     | P.B.A. P.253               |      13.17     |     |",
      " | 115 | 115 |   2.000  | 115 | Cippo Km.2,000             |                |     |",
      " | 200 | 150 |          |     | SI COD Km 14,454           |                |     |",
      " |  90 |  90 | 146.823  |  90 | PIACENZA                   | 13.55    13.57 | 1.0 |",
      " | 145 | 145 |          | 145 | Deviatoio di uscita        |                |     |",
      " |  70 |  70 |   0.000  |  70 | BOLOGNA C.LE               | 15.24     15.28| 2.5 |",
  };
  for (const auto& c : citate) EXPECT_NE(std::find(righe.begin(), righe.end(), c), righe.end()) << c;
  // The station ending a page opens the next one with the same row.
  EXPECT_EQ(righe_tabella(righe, pagine[0]).back(), righe_tabella(righe, pagine[1]).front());
  EXPECT_EQ(righe_tabella(righe, pagine[1]).back(), righe_tabella(righe, pagine[2]).front());
  EXPECT_EQ(senza_blank_dati_scheda_righe(di(righe_tabella(righe, pagine[1]).back(), localita)), "CASTELFRANCO E.");
}

// Rows of pages 1 to 3 in running order, the repeated page-boundary rows once.
std::vector<std::string> corsa(const std::vector<std::string>& righe) {
  std::vector<std::string> v;
  for (std::size_t i = 0; i < 3; ++i) {
    const auto t = righe_tabella(righe, pagine[i]);
    for (std::size_t k = (i == 0 ? 0 : 1); k < t.size(); ++k)
      if (!vuota(di(t[k], localita))) v.push_back(t[k]);
  }
  return v;
}

struct fermata_attesa {
  std::string nome;
  std::string orario;  // the whole time cell
};

TEST(DatiScheda, TheEightTimedStationsKeepTheTimesOfTheTrain) {
  const auto righe = corsa(righe_della_scheda());
  ASSERT_FALSE(righe.empty());
  EXPECT_EQ(senza_blank_dati_scheda_righe(di(righe.front(), localita)), "MILANO");
  EXPECT_EQ(di(righe.front(), cella_orario), "          13.15 ");
  EXPECT_EQ(senza_blank_dati_scheda_righe(di(righe.back(), localita)), "PRATO");
  EXPECT_EQ(di(righe.back(), cella_orario), " 16.12          ");
  const fermata_attesa fermate[] = {
      {"PIACENZA", " 13.55    13.57 "}, {"FIDENZA", "14.14 "}, {"PARMA", "14.27 "},
      {"REGGIO EMILIA", "14.43 "},      {"MODENA", "14.58 "},  {"BOLOGNA C.LE", " 15.24     15.28"},
  };
  for (const auto& f : fermate) {
    std::size_t trovate = 0;
    for (const auto& r : righe)
      if (senza_blank_dati_scheda_righe(di(r, localita)) == f.nome) {
        ++trovate;
        EXPECT_EQ(forma(di(r, cella_orario)), forma_ora::fermata) << r;
        EXPECT_TRUE(di(r, cella_orario).ends_with(f.orario)) << r;
      }
    EXPECT_EQ(trovate, 1u) << f.nome;
  }
  // Only these six rows are stops.
  std::size_t fermate_scritte = 0;
  for (const auto& r : righe) fermate_scritte += forma(di(r, cella_orario)) == forma_ora::fermata ? 1 : 0;
  EXPECT_EQ(fermate_scritte, 6u);
}

int minuti(const std::string& ora) { return std::stoi(ora.substr(0, 2)) * 60 + std::stoi(ora.substr(3)); }

TEST(DatiScheda, TimesNeverGoBackAndStopsLastAtLeastAMinute) {
  const auto righe = corsa(righe_della_scheda());
  int ultimo = 0;
  for (const auto& r : righe) {
    const std::string o = di(r, cella_orario);
    const auto f = forma(o);
    if (f == forma_ora::nessuna) continue;
    const int primo = minuti(senza_blank_dati_scheda_righe(o).substr(0, 5));
    const int secondo = minuti(senza_blank_dati_scheda_righe(o).substr(senza_blank_dati_scheda_righe(o).size() - 5));
    EXPECT_GE(primo, ultimo) << r;
    if (f == forma_ora::fermata) {
      EXPECT_GT(secondo, primo) << r;
    }
    ultimo = secondo;
  }
  EXPECT_EQ(ultimo, minuti("16.12"));
}

double km_di(const std::string& riga) { return std::stod(senza_blank_dati_scheda_righe(di(riga, progr))); }

// The line's kilometre posts: counted up from MILANO, down towards BOLOGNA
// C.LE from progressive 23450, and down again from 93.461 after it.
double chilometro_della_linea(int p) {
  if (p < 23450) return p / 1000.0;
  if (p <= 218300) return (218300 - p) / 1000.0;
  return (315200 - p) / 1000.0;
}

struct stazione_del_treno {
  std::string nome;
  int progressiva = 0;
  int ora = 0, minuto = 0;
};

// The "stazione" rows of the train source file: name and scheduled time.
std::vector<stazione_del_treno> stazioni_del_treno() {
  std::vector<stazione_del_treno> v;
  for (const auto& riga : dividi_righe(testo_righe(std::span(tabella_righe_treno, numero_righe_treno))).righe) {
    if (!riga.starts_with("stazione,")) continue;
    std::vector<std::string> campi;
    std::size_t da = 0;
    for (std::size_t virgola; (virgola = riga.find(',', da)) != std::string::npos; da = virgola + 1)
      campi.push_back(riga.substr(da, virgola - da));
    campi.push_back(riga.substr(da));
    if (campi.size() != 18) {
      ADD_FAILURE() << riga;
      continue;
    }
    v.push_back(
        {senza_blank_dati_scheda_righe(campi[17]), std::stoi(campi[1]), std::stoi(campi[14]), std::stoi(campi[15])});
  }
  return v;
}

// Every row that names one of the train's stations gives the kilometre post
// of that station's progressive in the train file, to within 40 m (the sheet
// copies the operator's posts, a few tens of metres short of the simulated
// progressives).
TEST(DatiScheda, KilometresFollowTheLinesPosts) {
  const auto righe = corsa(righe_della_scheda());
  const auto stazioni = stazioni_del_treno();
  ASSERT_EQ(stazioni.size(), 45u);
  std::size_t confrontate = 0;
  for (const auto& r : righe) {
    const std::string nome = senza_blank_dati_scheda_righe(di(r, localita));
    const auto s = std::find_if(stazioni.begin(), stazioni.end(), [&](const auto& x) { return x.nome == nome; });
    if (s == stazioni.end()) continue;
    ++confrontate;
    ASSERT_FALSE(vuota(di(r, progr))) << r;
    EXPECT_NEAR(km_di(r), chilometro_della_linea(s->progressiva), 0.040) << r << " progressive " << s->progressiva;
  }
  // 41 stations, the two page-boundary ones counted once
  EXPECT_EQ(confrontate, 41u);
  // Between the two restarts the posts run one way only.
  std::vector<double> km;
  for (const auto& r : righe)
    if (!vuota(di(r, progr))) km.push_back(km_di(r));
  std::size_t tratto = 0;  // 0 up, 1 down to BOLOGNA C.LE, 2 down again
  for (std::size_t i = 1; i < km.size(); ++i) {
    if (km[i] > km[i - 1] && tratto < 2 && km[i] - km[i - 1] > 50) {
      ++tratto;
      EXPECT_DOUBLE_EQ(km[i], tratto == 1 ? 193.916 : 93.461);
      continue;
    }
    if (tratto == 0)
      EXPECT_GT(km[i], km[i - 1]) << i;
    else
      EXPECT_LT(km[i], km[i - 1]) << i;
  }
  EXPECT_EQ(tratto, 2u);
}

// The sheet and the train file are handed out together: same termini, same
// timed stations, same departure times (arrival at the last terminus).
TEST(DatiScheda, AgreesWithTheStationsOfTheTrainFile) {
  const auto righe = corsa(righe_della_scheda());
  const auto stazioni = stazioni_del_treno();
  ASSERT_FALSE(righe.empty());
  ASSERT_FALSE(stazioni.empty());
  EXPECT_EQ(senza_blank_dati_scheda_righe(di(righe.front(), localita)), stazioni.front().nome);
  EXPECT_EQ(senza_blank_dati_scheda_righe(di(righe.back(), localita)), stazioni.back().nome);
  std::size_t orari = 0;
  for (const auto& s : stazioni) {
    if (s.ora == 0) continue;
    ++orari;
    char ora[8];
    std::snprintf(ora, sizeof ora, "%02d.%02d", s.ora, s.minuto);
    const auto r = std::find_if(righe.begin(), righe.end(), [&](const std::string& x) {
      return senza_blank_dati_scheda_righe(di(x, localita)) == s.nome;
    });
    ASSERT_NE(r, righe.end()) << s.nome;
    const std::string o = senza_blank_dati_scheda_righe(di(*r, cella_orario));
    EXPECT_EQ(o.substr(o.size() - 5), ora) << *r;
  }
  EXPECT_EQ(orari, 8u);
  // Every station of the sheet is one of the train's stations.
  for (const auto& r : righe) {
    const std::string nome = senza_blank_dati_scheda_righe(di(r, localita));
    if (forma(di(r, cella_orario)) == forma_ora::nessuna || nome.starts_with("P.B.A.")) continue;
    EXPECT_TRUE(std::any_of(stazioni.begin(), stazioni.end(), [&](const auto& s) { return s.nome == nome; })) << r;
  }
}

}  // namespace
