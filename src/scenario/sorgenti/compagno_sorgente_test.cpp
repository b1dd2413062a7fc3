#include "scenario/sorgenti/compagno_sorgente.h"

#include <gtest/gtest.h>

#include "test_support/cartella_temporanea.h"
#include "test_support/testo_di_prova.h"

namespace {

// The partner beside a source, with the route key and train number the two
// make: the line file of a train file, the one train file of a line file.
TEST(CompagnoSorgente, ThePartnerBesideAndTheNamesTheTwoMake) {
  cartella_temporanea dir;
  const auto d = dir.percorso;
  scrivi_tutto(d / "A_B_linea.txt", "linea");
  scrivi_tutto(d / "A_B_7-.txt", "treno");
  scrivi_tutto(d / "copia.txt", "treno");

  const std::optional<compagno_sorgente> del_treno = compagno_accanto(d / "A_B_7-.txt", true);
  ASSERT_TRUE(del_treno);
  EXPECT_EQ(del_treno->byte, "linea");
  EXPECT_EQ(del_treno->nomi.nome_percorso, "A_B");
  EXPECT_EQ(del_treno->nomi.numero_treno, "7");

  const std::optional<compagno_sorgente> della_linea = compagno_accanto(d / "A_B_linea.txt", false);
  ASSERT_TRUE(della_linea);
  EXPECT_EQ(della_linea->byte, "treno");
  EXPECT_EQ(della_linea->nomi.nome_percorso, "A_B");
  EXPECT_EQ(della_linea->nomi.numero_treno, "7");

  // A name that says no route; a second train of the route.
  EXPECT_FALSE(compagno_accanto(d / "copia.txt", true));
  scrivi_tutto(d / "A_B_8-.txt", "treno");
  EXPECT_FALSE(compagno_accanto(d / "A_B_linea.txt", false));
  EXPECT_TRUE(compagno_accanto(d / "A_B_8-.txt", true));
  // No line file beside.
  std::filesystem::remove(d / "A_B_linea.txt");
  EXPECT_FALSE(compagno_accanto(d / "A_B_7-.txt", true));
}

}  // namespace
