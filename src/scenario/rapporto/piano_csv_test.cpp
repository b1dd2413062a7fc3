#include "scenario/rapporto/piano_csv.h"

#include <gtest/gtest.h>

#include <sstream>

#include "scenario/rapporto/rapporto_di_prova.h"
#include "test_support/cartella_temporanea.h"

namespace {

using namespace rapporto_di_prova;

TEST(PianoCsv, OnePointAMetreAndThePartPastTheLineMarked) {
  cartella_temporanea dir;
  const auto f = compila_in(dir.percorso);
  scenario_compatto s;
  std::string guasto;
  ASSERT_TRUE(carica_scenario_compatto(dir.percorso, "Velstra_Ordoven", "318", s, guasto)) << guasto;
  ASSERT_TRUE(s.piano);
  std::ostringstream out;
  scrivi_csv_piano(out, *s.piano, 300000);
  std::istringstream righe(out.str());
  std::string riga;
  std::getline(righe, riga);
  EXPECT_EQ(riga, "metro,x,y,direzione_gradi,raggio_m,tratto");
  std::int64_t n = 0, linea = 0, oltre = 0;
  std::vector<std::string> vuote;
  while (std::getline(righe, riga)) {
    EXPECT_EQ(riga.rfind(std::to_string(n) + ",", 0), 0u) << riga;
    const std::string tratto = riga.substr(riga.rfind(',') + 1);
    if (tratto == "linea")
      ++linea;
    else if (tratto == "oltre_fine")
      ++oltre;
    else
      vuote.push_back(riga);
    // The first curve "curvad6, 1000, 300" of radius about 333 m.
    if (n == 1001) {
      EXPECT_EQ(riga.rfind("1001,0.0030,1001.0000,", 0), 0u) << riga;
    }
    if (n == 1100) {
      EXPECT_NE(riga.find(",333."), std::string::npos) << riga;
    }
    if (n == 500) {
      EXPECT_EQ(riga, "500,0.0000,500.0000,90.0000,,linea");
    }
    ++n;
  }
  EXPECT_EQ(n, f->lunghezza_estesa + 1);
  EXPECT_EQ(linea, 300001);
  EXPECT_EQ(oltre, 307000 - 300000 - 2);
  // The last two points are never computed: no 0,0 for them.
  EXPECT_EQ(vuote, (std::vector<std::string>{"306999,,,,,vuoto", "307000,,,,,vuoto"}));
}

}  // namespace
