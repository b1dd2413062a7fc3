#include "scenario/pagina/piano_sfoltito.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>
#include <memory>

#include "compiler/piano_linea.h"
#include "model/form1.h"

namespace {

// A plan built by the compiler's own walk: lunghezza metres with the curves given.
struct curva_di_prova {
  std::int32_t p, n;
  const char* parola;
};

tabella_piano piano_di(std::int32_t lunghezza, std::initializer_list<curva_di_prova> curve) {
  auto f = std::make_unique<Form1>();
  f->lunghezza_estesa = lunghezza;
  f->planimetria.crea(lunghezza);
  std::int32_t cursore = 0;
  semina_piano(*f, cursore);
  for (const auto& c : curve) EXPECT_EQ(aggiungi_curva(*f, cursore, c.p, c.n, c.parola), esito_curva::fatta);
  estendi_piano(*f, cursore);
  return f->planimetria;
}

double distanza(double px, double py, const punto_sfoltito& a, const punto_sfoltito& b) {
  const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
  const double t = l2 > 0 ? std::clamp(((px - a.x) * dx + (py - a.y) * dy) / l2, 0.0, 1.0) : 0.0;
  return std::hypot(px - a.x - t * dx, py - a.y - t * dy);
}

// The worst distance from a metre of the plan to the line drawn at a tolerance.
double scarto_massimo(const tabella_piano& piano, std::int32_t ultimo, const std::vector<punto_sfoltito>& punti,
                      double tolleranza) {
  std::vector<punto_sfoltito> linea;
  for (const auto& p : punti)
    if (p.soglia > tolleranza) linea.push_back(p);
  if (linea.size() < 2) return std::numeric_limits<double>::infinity();
  std::size_t k = 0;
  double peggiore = 0;
  for (std::int32_t m = 0; m <= ultimo; ++m) {
    while (k + 1 < linea.size() && linea[k + 1].metro < m) ++k;
    const std::size_t b = std::min(k + 1, linea.size() - 1);
    peggiore = std::max(peggiore, distanza(piano(m, 0).numero(), piano(m, 1).numero(), linea[k], linea[b]));
  }
  return peggiore;
}

TEST(PianoSfoltito, NoMetreStraysFromTheThinnedLineByMoreThanItsTolerance) {
  // Tight curves both ways, a hairpin of 1000 m at the smallest radius, a long straight.
  const tabella_piano piano = piano_di(30000, {{1000, 300, "curvad6"}, {2000, 1500, "curvas4"}, {5000, 1050, "curvas6"},
                                               {9000, 6000, "curvad1"}});
  const auto punti = sfoltisci_piano(piano, 0.05);
  ASSERT_GE(punti.size(), 2u);
  // Ends: metre 0 and the last computed metre (the last two stay empty), at every zoom.
  EXPECT_EQ(punti.front().metro, 0);
  EXPECT_EQ(punti.back().metro, 30000 - 2);
  EXPECT_TRUE(std::isinf(punti.front().soglia) && std::isinf(punti.back().soglia));
  EXPECT_LT(punti.size(), 3000u) << "the thinning keeps a small share of 30000 metres";
  for (const double tolleranza : {0.05, 0.5, 5.0, 50.0, 500.0}) {
    EXPECT_LE(scarto_massimo(piano, 30000 - 2, punti, tolleranza), tolleranza + 1e-9) << "tolerance " << tolleranza;
    if (tolleranza >= 50) {
      std::size_t quanti = 0;
      for (const auto& p : punti) quanti += p.soglia > tolleranza;
      EXPECT_LT(quanti, 40u) << "a coarse zoom draws few points";
    }
  }
}

// A winding line of 37 km, curves of every class both ways: a split farther
// out than the one above it must still not draw a point the one above drops,
// or at some zooms the line strays beyond its tolerance.
TEST(PianoSfoltito, AWindingLineStaysWithinEveryToleranceAtEveryZoom) {
  const tabella_piano piano =
      piano_di(37000, {{500, 2116, "curvas6"},   {3081, 1560, "curvas2"},  {4902, 304, "curvad3"},
                       {6658, 1121, "curvas5"},  {8277, 1812, "curvas5"},  {11098, 2319, "curvas6"},
                       {14300, 1000, "curvad4"}, {15900, 1265, "curvad5"}, {17697, 350, "curvad4"},
                       {19100, 1532, "curvas3"}, {21272, 2543, "curvas6"}, {24157, 1809, "curvas6"},
                       {26758, 1101, "curvas6"}, {28846, 2092, "curvad4"}, {31994, 1853, "curvad5"}});
  const auto punti = sfoltisci_piano(piano, 0.05);
  for (const double tolleranza : {0.05, 0.2, 1.0, 5.0, 20.0, 50.0, 100.0, 200.0, 500.0, 1000.0})
    EXPECT_LE(scarto_massimo(piano, 37000 - 2, punti, tolleranza), tolleranza + 1e-9) << "tolerance " << tolleranza;
}

TEST(PianoSfoltito, AStraightPlanKeepsItsEndsOnlyAndNoPlanGivesNothing) {
  const auto punti = sfoltisci_piano(piano_di(10000, {}), 0.05);
  ASSERT_EQ(punti.size(), 2u);
  EXPECT_EQ(punti[1].metro, 9998);
  EXPECT_DOUBLE_EQ(punti[1].y, 9998.0);
  EXPECT_TRUE(sfoltisci_piano(tabella_piano{}, 0.05).empty());
}

}  // namespace
