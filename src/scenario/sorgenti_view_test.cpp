#include "scenario/sorgenti_view.h"

#include <gtest/gtest.h>

#include <memory>

#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "base/nomi_file.h"
#include "model/form1.h"
#include "output/memorizza_percorso.h"
#include "scenario/errori_di_prova.h"
#include "test_support/form_di_prova.h"

namespace {

struct caso {
  bool nel_treno;
  std::string riga;
  std::vector<std::pair<std::int64_t, std::uint8_t>> oggetti;  // cells and kinds the author's record makes
};

TEST(SorgentiView, EachRecordFindsTheCellsTheCompilerGivesIt) {
  const caso casi[] = {
      {true, "segnale,    2800,   2, 4, 1,  1, 0,    2,  2,1,1, 0", {{57, cella_segnale}}},
      {true, "rallentamento,  259150,    90,  450, 0,  0,  60",
       {{5184, cella_inizio_rallentamento}, {5193, cella_fine_rallentamento}, {5160, cella_avviso_rallentamento}}},
      // From 1550 m on a slowdown has its warning, and boards before it when asked for.
      {true, "rallentamento,  1550,    60,  200, 0,  1,  0",
       {{32, cella_inizio_rallentamento}, {36, cella_fine_rallentamento}, {8, cella_avviso_rallentamento},
        {7, cella_tavola_distanziometrica}, {6, cella_tavola_distanziometrica}, {5, cella_tavola_distanziometrica},
        {4, cella_tavola_distanziometrica}}},
      {true, "abbattimento,   10000,   270", {{200, cella_codice}, {200, cella_codice_senza_valore}}},
      {true, "stazione,   71450,  2,  700,  1, 1, 0,  4,1,1,  2,1,1,   60,  13,57, 0, PIACENZA", {{1435, cella_fine_stazione}}},
      {true, "stazione,       0,  8,  600,  1, 0, 0,  4,1,1,  2,1,1,    0,  13,15, 0, MILANO", {{11, cella_fine_stazione}}},
      {true, "stazione,    1100, 26,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Cabina B", {}},
      {false, "cartello_indicatore,  1700,   (P.253)", {{35, cella_cartello_indicatore}}},
      {false, "indicatori_vmax,  18100,  140,  160,  160,  2,  140,  160,  160,  2", {{363, cella_indicatore_vmax}}},
  };
  for (const caso& c : casi) {
    const std::string testo = "[generale]\r\n" + c.riga + "\r\n";
    const sorgenti_scenario s = c.nel_treno ? leggi_sorgenti(nullptr, "", &testo, "t") : leggi_sorgenti(&testo, "l", nullptr, "");
    ASSERT_EQ(s.record.size(), 1u) << c.riga;
    EXPECT_EQ(s.record[0].oggetti, c.oggetti) << c.riga;
    EXPECT_EQ(s.record[0].fonte.riga, 2u);
    for (const auto& [cella, tipo] : c.oggetti) EXPECT_EQ(record_di_oggetto(s, cella, tipo), &s.record[0]) << c.riga;
  }
}

TEST(SorgentiView, LinesAreCountedAsTheCompilerCountsThemAndNothingBeforeTheGeneralSection) {
  const std::string testo = "segnale, 100, 1\r\n[Generale]\nx\r\rsegnale,  2800, 2\n-----\r\nsegnale, 5000, 2";
  EXPECT_EQ(righe_di(testo).size(), 7u);
  const sorgenti_scenario s = leggi_sorgenti(nullptr, "", &testo, "t");
  ASSERT_EQ(s.record.size(), 2u);
  EXPECT_EQ(s.record[0].fonte.riga, 5u);
  EXPECT_EQ(s.record[0].progressiva, 2800);
  EXPECT_EQ(s.record[1].fonte.riga, 7u);
  EXPECT_EQ(s.righe[0][4], "segnale,  2800, 2");
}

TEST(SorgentiView, EveryObjectTheEmbeddedSourcesPlaceHasItsLine) {
  auto prova = std::make_unique<form_di_prova>("Velstra_Ordoven", "318");
  Form1* f = &prova->f;
  dati_linea(*f);
  dati_treno(*f);
  const std::string linea = leggi_tutto(*f->cartella, file_linea(*f)), treno = leggi_tutto(*f->cartella, file_treno(*f));
  memorizza_percorso(*f, 1, nullptr);
  ASSERT_EQ(f->numero_errore, 0);
  const sorgenti_scenario s = leggi_sorgenti(&linea, "linea", &treno, "treno");
  const auto righe_linea = righe_di(linea), righe_treno = righe_di(treno);
  std::size_t trovati = 0, codici_senza_riga = 0;
  for (std::int32_t i = 0; i <= f->numero_celle; ++i) {
    const cella& c = f->cella_n(i);
    if (cella_libera(c)) continue;
    const record_vista* r = record_di_oggetto(s, i, c.tipo);
    if (!r) {
      // Only the code check places objects no line asks for: its code points.
      EXPECT_EQ(c.tipo, cella_codice) << "cell " << i;
      ++codici_senza_riga;
      continue;
    }
    ++trovati;
    const std::string& testo = (r->fonte.file == 0 ? righe_linea : righe_treno)[r->fonte.riga - 1];
    EXPECT_NE(testo.find(r->genere.substr(0, 7)), std::string::npos) << testo;
    if (c.tipo == cella_fine_stazione) {
      EXPECT_NE(testo.find(f->stazioni[static_cast<std::size_t>(c.valore_1)].nome), std::string::npos);
    }
  }
  EXPECT_GT(trovati, 700u);
  EXPECT_LT(codici_senza_riga, 10u);
  // Stations in numbering order, each at its own record.
  ASSERT_EQ(s.stazioni.size(), 45u);
  for (std::size_t k = 0; k < s.stazioni.size(); ++k)
    EXPECT_NE(righe_treno[s.stazioni[k].riga - 1].find(f->stazioni[k + 1].nome), std::string::npos) << k;
}

}  // namespace
