#include "scenario/sorgenti/luogo_errore.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "model/form1.h"

namespace {

TEST(LuogoErrore, CodeCheckErrorsPointAtTheirSlowdown) {
  Form1 f;
  // The records after [generale], as the reader reads them.
  const struttura_sorgente treno = leggi_struttura(
      "[generale]\r\n"
      "rallentamento,  20000,  90,  450, 0, 0, 60\r\n"
      "  Rallentamento,  50000,  30,  900, 0, 0, 60\r\n"
      "rallentamento,  20100,  90,  450, 0, 0, 60\r\n"
      "[segnali]\r\n"
      "segnale,  49000,  2, 4, 1, 1, 0, 0, 0,0,0, 0\r\n",
      true);
  struct caso {
    std::int32_t numero, progressiva;  // as the check records them: a cell times 50
    std::size_t riga, colonna;         // of the keyword; 0: no place
  };
  // Start cells: 401 (20000), 1001 (50000), 403 (20100); warning cells 377, 977, 379.
  const caso casi[] = {
      {11, 48500, 3, 3},  // a signal at cell 970, 7 cells before the second slowdown's warning
      {11, 18700, 2, 1},  // cell 374: the first slowdown's warning is the nearest after it
      {11, 25000, 0, 0},  // no warning within 20 cells after it
      {12, 50050, 3, 3},  // the second slowdown's start cell
      {12, 20050, 2, 1},  // the first's, though 20100 starts after 20050
      {12, 20150, 4, 1},  // the third's
      {12, 60000, 0, 0},  // no slowdown starts there
      {13, 51000, 3, 3},  // inside the second
      {13, 30000, 4, 1},  // after the third's end: the last start before it
      {13, 10000, 0, 0},  // none before it
  };
  for (const auto& c : casi) {
    f.numero_errore = c.numero;
    f.progressiva_errore = c.progressiva;
    const std::size_t offset = rallentamento_di(f, treno);
    if (c.riga == 0) {
      EXPECT_EQ(offset, std::string::npos) << c.numero << " " << c.progressiva;
      continue;
    }
    ASSERT_NE(offset, std::string::npos) << c.numero << " " << c.progressiva;
    const posizione_riga p = posizione_1(treno.righe, offset);
    EXPECT_EQ(p.riga, c.riga) << c.numero << " " << c.progressiva;
    EXPECT_EQ(p.colonna, c.colonna);
  }
}

}  // namespace
