#include "base/distanza_modifiche.h"

#include <gtest/gtest.h>

namespace {

TEST(DistanzaModifiche, CountsEachKindOfEdit) {
  struct caso {
    const char *a, *b;
    std::size_t attesa;
  };
  const caso casi[] = {
      {"segnale", "segnale", 0},     {"segnlae", "segnale", 1},  // two neighbours swapped
      {"segnae", "segnale", 1},      {"segnalle", "segnale", 1},
      {"segnele", "segnale", 1},     {"sgenlae", "segnale", 2},
      {"pendenze", "pendenza", 1},   {"", "sabbia", 6},
      {"abbattimento", "sabbia", 9}, {"ca", "abc", 3},  // a swap is not undone by a later edit
  };
  for (const caso& c : casi) {
    EXPECT_EQ(distanza_modifiche(c.a, c.b), c.attesa) << c.a << " / " << c.b;
    EXPECT_EQ(distanza_modifiche(c.b, c.a), c.attesa) << c.b << " / " << c.a;
  }
}

}  // namespace
