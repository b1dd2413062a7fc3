#include "base/catalogo_errori.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(CatalogoErrori, HoldsEveryNumberInUseOnceAndNoOther) {
  // 14 and 23 are not in use.
  const std::set<std::int32_t> in_uso = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,  12,  13,  15,   16,
                                         17, 18, 19, 20, 21, 22, 24, 25, 26, 27, 101, 102, 103, 1250, 1251};
  std::set<std::int32_t> visti;
  for (const voce_errore& e : catalogo_errori()) {
    EXPECT_TRUE(visti.insert(e.numero).second) << "listed twice: " << e.numero;
    EXPECT_NE(std::string(e.descrizione), "") << e.numero;
  }
  EXPECT_EQ(visti, in_uso);
  EXPECT_EQ(cerca_errore(14), nullptr);
  EXPECT_EQ(descrizione_errore(23), std::string("errore sconosciuto"));
}

TEST(CatalogoErrori, OnlyTheSlotConflictsEndTheRunThroughErrore) {
  for (const voce_errore& e : catalogo_errori())
    EXPECT_EQ(e.mostrato_da_errore, e.numero == 1250 || e.numero == 1251) << e.numero;
}

TEST(CatalogoErrori, TheReportNamesTheProgressiveWhereTheErrorHasOne) {
  EXPECT_EQ(rapporto_errore(16, 133950), " Errore n. 16 (progressiva 133950): segnale su una cella non libera");
  EXPECT_EQ(rapporto_errore(101, 5), " Errore n. 101: file della linea inesistente");
  EXPECT_EQ(rapporto_errore(14, 0), " Errore n. 14: errore sconosciuto");
}

}  // namespace
