#include "content/righe_linea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "base/nomi_file.h"
#include "compiler/memorizza_dati.h"
#include "compiler/piano_linea.h"
#include "content/dati_linea.h"
#include "model/form1.h"
#include "test_support/form_di_prova.h"

namespace {

// The embedded line as the run writes it, read back into lines and records.
struct riga_record {
  std::string testo;
  std::vector<std::string> campi;  // split at the commas, blanks kept
};

std::vector<std::string> dividi(const std::string& testo, const std::string& separatore) {
  std::vector<std::string> parti;
  std::size_t da = 0;
  for (;;) {
    const std::size_t a = testo.find(separatore, da);
    if (a == std::string::npos) {
      parti.push_back(testo.substr(da));
      return parti;
    }
    parti.push_back(testo.substr(da, a - da));
    da = a + separatore.size();
  }
}

std::string senza_blank_campo_linea(const std::string& s) {
  const auto a = s.find_first_not_of(' ');
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

std::int32_t numero_del_campo_linea(const std::string& campo) { return std::stoi(senza_blank_campo_linea(campo)); }

struct file_linea_scritto : form_di_prova {
  std::string byte;
  std::vector<std::string> righe;                           // without CR LF
  std::map<std::string, std::vector<riga_record>> sezioni;  // header -> records

  file_linea_scritto() : form_di_prova("Velstra_Ordoven", "318") {
    dati_linea(f);
    byte = leggi_tutto(*f.cartella, file_linea(f));
    righe = dividi(byte, "\r\n");
    if (!righe.empty() && righe.back().empty()) righe.pop_back();  // after the last CR LF
    std::string sezione;
    for (const auto& r : righe) {
      if (!r.empty() && r.front() == '[') {
        sezione = r;
        sezioni[sezione];
        continue;
      }
      sezioni[sezione].push_back({r, dividi(r, ",")});
    }
  }
  const std::vector<riga_record>& di(const std::string& intestazione) { return sezioni[intestazione]; }
};

std::int64_t cella_punto(std::int32_t p) { return static_cast<std::int64_t>(std::nearbyint(p / 50.0 + 1)); }

TEST(RigheLinea, TableHoldsTheLinesAndEndsWithTheMarker) {
  const auto righe = righe_linea();
  ASSERT_EQ(righe.size(), 418u);
  EXPECT_EQ(righe[0], "[generale]");
  EXPECT_EQ(righe[416], "[fine]");
  EXPECT_EQ(righe[417], "riferimento fine del file");
  for (std::size_t i = 0; i < 417; ++i) EXPECT_NE(righe[i], "riferimento fine del file") << i;
}

TEST(RigheLinea, FileBytesAreWindows1252LinesWithCrLf) {
  file_linea_scritto l;
  EXPECT_EQ(l.byte.size(), 14789u);
  ASSERT_EQ(l.righe.size(), 417u);
  EXPECT_EQ(l.byte.substr(l.byte.size() - 8), "[fine]\r\n");
  std::size_t alti = 0;
  for (const auto& r : l.righe) {
    EXPECT_FALSE(r.empty());
    EXPECT_EQ(r.find_first_of("\r\n\t"), std::string::npos) << r;
    EXPECT_NE(r.front(), ' ') << r;
    EXPECT_NE(r.back(), ' ') << r;
    for (unsigned char c : r) {
      if (c > 0x7F) {
        ++alti;
        EXPECT_EQ(c, 0xB0);
        EXPECT_EQ(r.rfind("cartello_indicatore,", 0), 0u) << r;
      }
    }
  }
  EXPECT_EQ(alti, 1u);
}

TEST(RigheLinea, GeneralSectionAsTheSimulatorNeedsIt) {
  file_linea_scritto l;
  const std::vector<std::string> generale = {
      "[generale]",
      "lunghezza percorso,    300000",
      "progressiva chilometrica uno,    23450,    218300,    1",
      "progressiva chilometrica due,    218300,    315200,    1",
      "progressiva chilometrica tre,    0,    0,    0",
      "sfondo uno,    1",
      "sfondo due,    220000",
      "sfondo tre,    241000",
      "ripetizione segnali 9 codici,    11000,    300000",
      "[curve]",
  };
  ASSERT_GE(l.righe.size(), generale.size());
  for (std::size_t i = 0; i < generale.size(); ++i) EXPECT_EQ(l.righe[i], generale[i]);
}

TEST(RigheLinea, SectionsHaveTheirCountsOrderAndSpacing) {
  file_linea_scritto l;
  struct attesa {
    std::string intestazione, parola;  // parola: prefix of the keyword
    std::size_t record;
    std::int32_t primo, ultimo;
    std::vector<std::size_t> blank;  // blanks after each comma
  };
  const std::vector<attesa> attese = {
      {"[curve]", "curva", 112, 1000, 299300, {2, 2}},
      {"[pendenze]", "pendenza", 161, 0, 298100, {2, 3}},
      {"[montagne]", "montagna", 18, 36900, 297500, {3, 2, 2}},
      {"[cartelli]", "indicatori_vmax", 85, 700, 299300, {2, 2, 2, 2, 2, 2, 2, 2, 2}},
      {"[indicazioni]", "cartello_indicatore", 26, 1700, 277950, {2, 3}},
  };
  std::vector<std::string> intestazioni;
  for (const auto& r : l.righe)
    if (r.front() == '[') intestazioni.push_back(r);
  EXPECT_EQ(intestazioni, (std::vector<std::string>{"[generale]", "[curve]", "[pendenze]", "[montagne]", "[cartelli]",
                                                    "[indicazioni]", "[fine]"}));
  EXPECT_TRUE(l.di("[fine]").empty());
  for (const auto& a : attese) {
    SCOPED_TRACE(a.intestazione);
    const auto& record = l.di(a.intestazione);
    ASSERT_EQ(record.size(), a.record);
    EXPECT_EQ(numero_del_campo_linea(record.front().campi[1]), a.primo);
    EXPECT_EQ(numero_del_campo_linea(record.back().campi[1]), a.ultimo);
    std::optional<std::int32_t> precedente;
    for (const auto& r : record) {
      EXPECT_EQ(r.testo.rfind(a.parola, 0), 0u) << r.testo;
      ASSERT_EQ(r.campi.size(), a.blank.size() + 1) << r.testo;
      for (std::size_t i = 0; i < a.blank.size(); ++i) {
        const std::string& campo = r.campi[i + 1];
        const std::size_t blank = std::min(campo.find_first_not_of(' '), campo.size());
        EXPECT_EQ(blank, a.blank[i]) << r.testo;
      }
      const std::int32_t p = numero_del_campo_linea(r.campi[1]);
      if (precedente) {
        EXPECT_LT(*precedente, p) << r.testo;
      }
      precedente = p;
    }
  }
}

TEST(RigheLinea, QuotedRowsStandAsWritten) {
  file_linea_scritto l;
  const char* const righe[] = {
      "curvad6,  1000,  300",
      "curvas1,  16800,  6450",
      "curvas2,  299300,  850",
      "pendenza,  0,   0",
      "pendenza,  9800,   -3",
      "pendenza,  10300,   -16",
      "pendenza,  239000,   12",
      "pendenza,  298100,   0",
      "montagna,   36900,  36950,  12",
      "montagna,   184100,  184200,  2",
      "montagna,   259450,  277950,  11",
      "indicatori_vmax,  700,  30,  30,  30,  0,  30,  30,  30,  0",
      "indicatori_vmax,  5050,  110,  115,  120,  0,  ,  ,  ,  0",
      "indicatori_vmax,  18100,  140,  160,  160,  2,  140,  160,  160,  2",
      "indicatori_vmax,  23500,  140,  160,  190,  0,  140,  160,  180,  0",
      "cartello_indicatore,  1700,   (P.253)",
      "cartello_indicatore,  69450,   ( INIZIO  )(PONTE SUL)(FIUME  PO)",
      "cartello_indicatore,  152400,   (  Km  )(65+909)",
      "cartello_indicatore,  213800,   (  Km 4+500    )( SCAMBI ESTR. )(DOPPIO ALLACC.)",
  };
  for (const char* riga : righe) EXPECT_NE(std::find(l.righe.begin(), l.righe.end(), riga), l.righe.end()) << riga;
}

TEST(RigheLinea, CurvesHaveTheirClassesAndDoNotOverlap) {
  file_linea_scritto l;
  const std::map<std::string, int> classi_attese = {{"curvad1", 15}, {"curvad2", 8}, {"curvad3", 11}, {"curvad4", 12},
                                                    {"curvad5", 7},  {"curvad6", 3}, {"curvas1", 15}, {"curvas2", 9},
                                                    {"curvas3", 14}, {"curvas4", 7}, {"curvas5", 7},  {"curvas6", 4}};
  std::map<std::string, int> classi;
  std::int64_t fine_precedente = 0;
  int lunghe = 0;
  for (const auto& r : l.di("[curve]")) {
    ++classi[r.campi[0]];
    const std::int32_t p = numero_del_campo_linea(r.campi[1]), n = numero_del_campo_linea(r.campi[2]);
    EXPECT_GT(n, 0) << r.testo;
    EXPECT_LE(fine_precedente, p) << r.testo;
    fine_precedente = std::int64_t{p} + n;
    if (n >= 6450) ++lunghe;
  }
  EXPECT_EQ(classi, classi_attese);
  EXPECT_EQ(lunghe, 1);  // the 6450 m one alone
}

TEST(RigheLinea, GradientsRunFromSteepestFallToSteepestRise) {
  file_linea_scritto l;
  std::vector<std::int32_t> valori;
  std::int64_t cella_precedente = -1;
  for (const auto& r : l.di("[pendenze]")) {
    valori.push_back(numero_del_campo_linea(r.campi[2]));
    // each record starts in a cell of its own, so the gradient cursor stands
    // at the last record's cell
    const auto t = static_cast<std::int64_t>(std::nearbyint(numero_del_campo_linea(r.campi[1]) / 50.0));
    EXPECT_GT(t, cella_precedente) << r.testo;
    cella_precedente = t;
  }
  EXPECT_EQ(*std::min_element(valori.begin(), valori.end()), -16);
  EXPECT_EQ(*std::max_element(valori.begin(), valori.end()), 12);
  EXPECT_EQ(std::count(valori.begin(), valori.end(), 12), 3);
  EXPECT_EQ(cella_precedente, 5962);
}

TEST(RigheLinea, MountainStretchesHaveTheirValuesAndThreeClosePairs) {
  file_linea_scritto l;
  const auto& record = l.di("[montagne]");
  std::map<std::int32_t, int> ultimi;
  int coppie = 0;
  for (std::size_t i = 0; i < record.size(); ++i) {
    ++ultimi[numero_del_campo_linea(record[i].campi[3])];
    if (i > 0) {
      const std::int32_t distanza =
          numero_del_campo_linea(record[i].campi[1]) - numero_del_campo_linea(record[i - 1].campi[2]);
      EXPECT_TRUE(distanza == 100 || distanza > 150) << record[i].testo;
      if (distanza == 100) ++coppie;
    }
  }
  EXPECT_EQ(ultimi, (std::map<std::int32_t, int>{{2, 2}, {11, 15}, {12, 1}}));
  EXPECT_EQ(coppie, 3);
}

TEST(RigheLinea, BoardsComeAloneOrInRunsOfThree) {
  file_linea_scritto l;
  const auto& record = l.di("[cartelli]");
  std::vector<std::int32_t> vuoti;
  int soli = 0, corse = 0;
  for (std::size_t i = 0; i < record.size();) {
    const auto& c = record[i].campi;
    // fields: keyword, p, s1 s2 s3, c1, t1 t2 t3, c2
    for (std::size_t j : {2u, 3u, 4u, 6u, 7u, 8u}) {
      if (senza_blank_campo_linea(c[j]).empty()) continue;
      const std::int32_t v = numero_del_campo_linea(c[j]);
      EXPECT_TRUE(v > 0 && v <= 200 && v % 5 == 0) << record[i].testo;
    }
    if (senza_blank_campo_linea(c[6]).empty()) {
      EXPECT_TRUE(senza_blank_campo_linea(c[7]).empty() && senza_blank_campo_linea(c[8]).empty()) << record[i].testo;
      vuoti.push_back(numero_del_campo_linea(c[1]));
    }
    if (numero_del_campo_linea(c[5]) == 0) {
      EXPECT_EQ(numero_del_campo_linea(c[9]), 0) << record[i].testo;
      ++soli;
      ++i;
      continue;
    }
    ASSERT_LE(i + 3, record.size());
    for (std::size_t k = 0; k < 3; ++k) {
      const auto& ck = record[i + k].campi;
      EXPECT_EQ(numero_del_campo_linea(ck[5]), 2 - static_cast<int>(k)) << record[i + k].testo;
      EXPECT_EQ(numero_del_campo_linea(ck[9]), 2 - static_cast<int>(k)) << record[i + k].testo;
      for (std::size_t j : {2u, 3u, 4u, 6u, 7u, 8u})
        EXPECT_EQ(senza_blank_campo_linea(ck[j]), senza_blank_campo_linea(c[j])) << record[i + k].testo;
      if (k > 0) {
        const std::int32_t passo = numero_del_campo_linea(ck[1]) - numero_del_campo_linea(record[i + k - 1].campi[1]);
        EXPECT_TRUE(passo >= 400 && passo <= 550) << record[i + k].testo;
      }
    }
    ++corse;
    i += 3;
  }
  EXPECT_EQ(soli, 34);
  EXPECT_EQ(corse, 17);
  EXPECT_EQ(vuoti, (std::vector<std::int32_t>{5050, 217400, 219300, 299300}));
}

TEST(RigheLinea, SignTextsAreGroupsAndReadTheChainage) {
  file_linea_scritto l;
  const std::regex gruppi(R"((\([^(),]*\))+)");
  const std::regex chilometri(R"((\d+)\+(\d{3}))");
  std::vector<std::size_t> lunghezze;
  int letture = 0;
  for (const auto& r : l.di("[indicazioni]")) {
    const std::string testo = senza_blank_campo_linea(r.campi[2]);
    lunghezze.push_back(testo.size());
    EXPECT_TRUE(std::regex_match(testo, gruppi)) << r.testo;
    std::smatch m;
    if (testo.find("Km") != std::string::npos && std::regex_search(testo, m, chilometri)) {
      // reading = reference of the series the sign lies on minus its progressive
      const std::int32_t p = numero_del_campo_linea(r.campi[1]);
      const std::int32_t riferimento = p < 218300 ? 218300 : 315200;
      const std::int32_t lettura = std::stoi(m[1]) * 1000 + std::stoi(m[2]);
      EXPECT_LE(std::abs(riferimento - p - lettura), 50) << r.testo;
      ++letture;
    }
  }
  std::sort(lunghezze.begin(), lunghezze.end());
  EXPECT_EQ(lunghezze.back(), 48u);
  EXPECT_LT(lunghezze[lunghezze.size() - 2], 48u);
  EXPECT_GE(letture, 2);
}

// The compiler's reading, plan included, run on the written file, with a
// train file that holds no record.
struct linea_letta {
  file_linea_scritto l;
  linea_letta() {
    scrivi_tutto(*l.f.cartella, file_treno(l.f), "[generale]\r\n[fine]\r\n");
    l.f.con_planimetria = 1;
    memorizza_dati(l.f);
  }
};

std::size_t celle_di_tipo(const Form1& f, std::uint8_t tipo) {
  return static_cast<std::size_t>(
      std::count_if(f.percorso.begin(), f.percorso.end(), [tipo](const cella& c) { return c.tipo == tipo; }));
}

TEST(RigheLinea, ReaderBuildsTheModelWithoutError) {
  linea_letta r;
  const Form1& f = r.l.f;
  EXPECT_EQ(f.numero_errore, 0);
  EXPECT_FALSE(f.cartella->esiste(file_linea(f)));
  EXPECT_EQ(f.numero_celle, 6140);
  ASSERT_EQ(f.percorso.size(), 6141u);
  EXPECT_EQ(celle_di_tipo(f, cella_indicatore_vmax), 85u);
  EXPECT_EQ(celle_di_tipo(f, cella_cartello_indicatore), 26u);
  EXPECT_EQ(celle_di_tipo(f, cella_segno_montagna), 162u);
  EXPECT_EQ(f.numero_montagne, 18);
  // the board at 18100 and the first sign, in the cells their progressives give
  const cella& cartello = f.cella_n(363);
  EXPECT_EQ(cartello.tipo, cella_indicatore_vmax);
  EXPECT_EQ(cartello.valore_1, 2828);
  EXPECT_EQ(cartello.valore_2, 3232);
  EXPECT_EQ(cartello.valore_3, 3232);
  EXPECT_EQ(cartello.valore_4, 22);
  EXPECT_EQ(f.cella_n(35).tipo, cella_cartello_indicatore);
  EXPECT_EQ(f.cella_n(35).valore_1, 80);
}

TEST(RigheLinea, SignTextsFillStazioniFromEightyDown) {
  linea_letta r;
  const Form1& f = r.l.f;
  const auto& record = r.l.di("[indicazioni]");
  ASSERT_EQ(record.size(), 26u);
  for (std::size_t i = 0; i < record.size(); ++i) {
    const int voce = 80 - static_cast<int>(i);
    EXPECT_EQ(f.stazioni[static_cast<std::size_t>(voce)].nome, senza_blank_campo_linea(record[i].campi[2])) << voce;
    const cella& c = f.cella_n(static_cast<std::int32_t>(cella_punto(numero_del_campo_linea(record[i].campi[1]))));
    EXPECT_EQ(c.tipo, cella_cartello_indicatore) << record[i].testo;
    EXPECT_EQ(c.valore_1, voce) << record[i].testo;
  }
  EXPECT_EQ(f.stazioni[54].nome, "");
}

TEST(RigheLinea, GeneralValuesLandInTheirEntries) {
  linea_letta r;
  const auto& s = r.l.f.stazioni;
  struct attesa {
    int voce;
    std::int32_t inizio, fine, progressiva;
  };
  const attesa attese[] = {
      {81, 218300, 315300, 1}, {82, 23450, 218400, 1}, {83, 0, 0, 0}, {85, 1, 241000, 220000}, {86, 11000, 300000, 9},
  };
  for (const auto& a : attese) {
    SCOPED_TRACE(a.voce);
    const auto& v = s[static_cast<std::size_t>(a.voce)];
    EXPECT_EQ(v.inizio, a.inizio);
    EXPECT_EQ(v.fine, a.fine);
    EXPECT_EQ(v.progressiva, a.progressiva);
  }
  EXPECT_EQ(s[84].fine, 300000);
  EXPECT_EQ(s[85].nome, "Velstra_Ordoven");
  EXPECT_EQ(s[86].nome, "318");
}

TEST(RigheLinea, GradientCursorStoodAtTheLastRecordBeforeTheTail) {
  linea_letta r;
  const Form1& f = r.l.f;
  const auto& record = r.l.di("[pendenze]");
  const std::int32_t penultimo = numero_del_campo_linea(record[record.size() - 2].campi[2]);
  ASSERT_NE(penultimo, 0);
  // the records wrote up to cell 5961; the tail wrote the last value (0) from
  // 5962 up to numero_celle - 3
  EXPECT_EQ(f.cella_n(5961).pendenza, penultimo + 100);
  for (std::int32_t i = 5962; i <= 6137; ++i) EXPECT_EQ(f.cella_n(i).pendenza, 100) << i;
  for (std::int32_t i = 6138; i <= 6140; ++i) EXPECT_EQ(f.cella_n(i).pendenza, 0) << i;
  for (std::int32_t i = 0; i <= 6137; ++i) {
    EXPECT_GE(f.cella_n(i).pendenza, 84) << i;
    EXPECT_LE(f.cella_n(i).pendenza, 112) << i;
  }
}

double al_centesimo(double v) { return std::round(v * 100.0) / 100.0; }

TEST(RigheLinea, PlanReachesItsPoints) {
  linea_letta r;
  const auto& piano = r.l.f.planimetria;
  ASSERT_TRUE(piano.esiste());
  ASSERT_EQ(piano.ultimo_metro(), 307000);
  EXPECT_EQ(piano(1000, 0).numero(), 0.0);
  EXPECT_EQ(piano(1000, 1).numero(), 1000.0);
  EXPECT_EQ(piano(1001, 0).numero(), 0.003);
  EXPECT_EQ(piano(1001, 1).numero(), 1001.0);
  EXPECT_NEAR(piano(1002, 0).numero(), 0.009, 1e-9);
  EXPECT_NEAR(piano(1002, 1).numero(), 1001.999991, 1e-9);
  struct punto {
    std::int32_t metro;
    double x, y;
  };
  for (const punto& p : {punto{300000, -75461.30, 216267.26}, punto{306998, -82620.57, 217175.01}}) {
    SCOPED_TRACE(p.metro);
    ASSERT_EQ(piano(p.metro, 0).tag, tag_piano::reale);
    EXPECT_EQ(al_centesimo(piano(p.metro, 0).reale), p.x);
    EXPECT_EQ(al_centesimo(piano(p.metro, 1).reale), p.y);
  }
  for (std::int32_t m : {306999, 307000})
    for (int c = 0; c < 2; ++c) EXPECT_EQ(piano(m, c).tag, tag_piano::vuoto) << m;
}

TEST(RigheLinea, PlanCursorAfterTheLastCurve) {
  // The curves of the written file driven through the plan one by one.
  file_linea_scritto l;
  Form1 f;
  f.lunghezza_estesa = 307000;
  f.planimetria.crea(f.lunghezza_estesa);
  std::int32_t cursore = 0;
  semina_piano(f, cursore);
  for (const auto& r : l.di("[curve]"))
    ASSERT_EQ(aggiungi_curva(f, cursore, numero_del_campo_linea(r.campi[1]), numero_del_campo_linea(r.campi[2]),
                             senza_blank_campo_linea(r.campi[0])),
              esito_curva::fatta)
        << r.testo;
  EXPECT_EQ(cursore, 300151);
}

}  // namespace
