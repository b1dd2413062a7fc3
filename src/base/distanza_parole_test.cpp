#include "base/distanza_parole.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

TEST(DistanzaParole, CountsInsertionsRemovalsReplacementsAndSwaps) {
  const struct {
    std::string_view a, b;
    std::size_t edits;
  } casi[] = {
      {"segnale", "segnale", 0},
      {"segnlae", "segnale", 1},
      {"segnal", "segnale", 1},
      {"segnalle", "segnale", 1},
      {"segmale", "segnale", 1},
      {"sengale", "segnale", 1},
      {"stazioni", "stazione", 1},
      {"", "curva", 5},
      {"curva", "", 5},
      {"abcd", "badc", 2},
      {"ca", "abc", 3},
      {"pendnza", "pendenza", 1},
      {"semaforo", "segnale", 6},
      {"segnele", "segnale", 1},
      {"sgenlae", "segnale", 2},
      {"pendenze", "pendenza", 1},
      {"abbattimento", "sabbia", 9},
  };
  for (const auto& c : casi) {
    EXPECT_EQ(distanza_parole(c.a, c.b), c.edits) << c.a << " / " << c.b;
    EXPECT_EQ(distanza_parole(c.b, c.a), c.edits) << c.b << " / " << c.a;
  }
}

TEST(DistanzaParole, TheNearestCandidateWithinTheLimitTheFirstOfEquals) {
  const std::string_view nomi[] = {"sabbia", "segnale", "stazione", "segnali"};
  EXPECT_EQ(parola_piu_vicina("segnlae", nomi, 2), "segnale");
  EXPECT_EQ(parola_piu_vicina("segnal", nomi, 2), "segnale");  // one from both: the first
  EXPECT_EQ(parola_piu_vicina("stazone", nomi, 2), "stazione");
  EXPECT_EQ(parola_piu_vicina("semaforo", nomi, 2), "");
  EXPECT_EQ(parola_piu_vicina("segnale", {}, 2), "");
}

}  // namespace
