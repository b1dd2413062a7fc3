#include "scenario/comandi/contenuto_cartella.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_support/cartella_temporanea.h"

namespace {

// What the folder holds, told after "file non trovato": each train file read
// back into its route and train by the line files beside it.
TEST(ContenutoCartella, ThePairsOfTheFolderAreReadByItsLineFiles) {
  const struct {
    std::vector<std::string> file;
    nomi_scenario chiesti;
    const char* atteso;  // after "In DIR"
  } casi[] = {
      {{"Alpha_linea.txt", "Alpha_R_1-.txt", "Alpha_R_1.sim", "Alpha_R_1.dat"},
       {"Alpha", "R_2"},
       " ci sono:\n  Alpha R_1 (sorgenti e file compatti)\n"},
      {{"Alpha_R_linea.dat", "Alpha_R_1.sim", "B_2-.txt"},
       {"Alpha", "R_1"},
       " ci sono:\n  Alpha_R 1 (file compatti)\n  B 2 (sorgenti)\n"},
      {{"Alpha_linea.txt", "Alpha_R_linea.txt", "Alpha_R_1-.txt"},
       {"Alpha", "R_2"},
       " ci sono:\n  Alpha_R_1-.txt: si legge in pi\xC3\xB9 modi (Alpha R_1, Alpha_R 1), uno per ogni "
       "ROUTE_linea.txt\n"},
      {{"A_B_1-.txt"},
       {"A", "1"},
       " ci sono:\n  A_B_1-.txt: nessun file ROUTE_linea.txt della cartella dice quale parte \xC3\xA8 ROUTE\n"},
      {{"A-.txt", "_1.sim", "A_linea.txt"},
       {"A", "1"},
       " non c'\xC3\xA8 alcuno scenario: nessun file ROUTE_TRAIN-.txt n\xC3\xA9 ROUTE_TRAIN.sim.\n"},
  };
  for (const auto& c : casi) {
    cartella_temporanea t;
    for (const std::string& f : c.file) scrivi_tutto(t.percorso / f, "");
    const std::string dir = t.percorso.string();
    EXPECT_EQ(cosa_c_e(dir, c.chiesti), "In " + dir + c.atteso) << c.file.front();
  }
  cartella_temporanea t;
  for (const char* f : {"Alpha_linea.txt", "Alpha_R_1-.txt"}) scrivi_tutto(t.percorso / f, "");
  const std::string dir = t.percorso.string();
  EXPECT_EQ(cosa_c_e(dir, {"Alpha", "R_1"}),
            "I sorgenti ci sono: compilali prima con 'scenario compile " + dir + " Alpha R_1'.\n");
}

}  // namespace
