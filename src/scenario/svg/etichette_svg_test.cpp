#include "scenario/svg/etichette_svg.h"

#include <gtest/gtest.h>

namespace {

TEST(EtichetteSvg, WidthCountsCharactersNotBytes) {
  EXPECT_DOUBLE_EQ(larghezza_testo("PARMA", 10), 5 * 6.8);
  EXPECT_DOUBLE_EQ(larghezza_testo("velocit\xC3\xA0", 10), 8 * 6.8);
  EXPECT_DOUBLE_EQ(larghezza_testo("", 10), 0);
}

TEST(EtichetteSvg, BoxesFollowTheAnchorAndTouchOnlyWhenTheyOverlap) {
  const riquadro inizio = riquadro_testo(100, 50, 10, "start", "AB");
  const riquadro mezzo = riquadro_testo(100, 50, 10, "middle", "AB");
  const riquadro fine = riquadro_testo(100, 50, 10, "end", "AB");
  EXPECT_DOUBLE_EQ(inizio.x0, 100);
  EXPECT_DOUBLE_EQ(mezzo.x0, 100 - 6.8);
  EXPECT_DOUBLE_EQ(fine.x1, 100);
  EXPECT_DOUBLE_EQ(inizio.y0, 42);
  EXPECT_DOUBLE_EQ(inizio.y1, 52.5);
  EXPECT_TRUE(inizio.tocca(mezzo));
  EXPECT_FALSE(inizio.tocca(fine));  // they only share the edge at x = 100
  EXPECT_FALSE(inizio.tocca(riquadro_testo(100, 61, 10, "start", "AB")));
  spazio_occupato s;
  s.prendi(inizio);
  EXPECT_FALSE(s.libero(mezzo));
  EXPECT_TRUE(s.libero(fine));
  EXPECT_FALSE(s.libero(con_margine(fine, 1)));
}

}  // namespace
