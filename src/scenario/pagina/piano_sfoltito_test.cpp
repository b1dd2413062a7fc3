#include "scenario/pagina/piano_sfoltito.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "compiler/piano_linea.h"
#include "model/form1.h"

namespace {

// A plan built by the compiler's own walk: lunghezza metres with the curves given.
struct curva_di_prova {
  std::int32_t p, n;
  const char* parola;
};

tabella_piano piano_di(std::int32_t lunghezza, const std::vector<curva_di_prova>& curve) {
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

// The farthest any computed metre of the plan lies from the line drawn at
// tolleranza: the points whose soglia exceeds it, joined by straight segments.
double scarto_massimo(const tabella_piano& piano, const std::vector<punto_sfoltito>& punti, double tolleranza,
                      std::size_t& disegnati) {
  std::vector<punto_sfoltito> linea;
  for (const auto& p : punti)
    if (p.soglia > tolleranza) linea.push_back(p);
  disegnati = linea.size();
  if (linea.size() < 2) return std::numeric_limits<double>::infinity();
  std::size_t k = 0;
  double peggiore = 0;
  for (std::int32_t m = 0; m <= linea.back().metro; ++m) {
    while (k + 1 < linea.size() && linea[k + 1].metro < m) ++k;
    const std::size_t b = std::min(k + 1, linea.size() - 1);
    peggiore = std::max(peggiore, distanza(piano(m, 0).numero(), piano(m, 1).numero(), linea[k], linea[b]));
  }
  return peggiore;
}

TEST(PianoSfoltito, NoMetreStraysFromTheThinnedLineByMoreThanItsTolerance) {
  // Tight curves both ways, a hairpin of 1000 m at the smallest radius, a long straight.
  const tabella_piano piano = piano_di(
      30000, {{1000, 300, "curvad6"}, {2000, 1500, "curvas4"}, {5000, 1050, "curvas6"}, {9000, 6000, "curvad1"}});
  const auto punti = sfoltisci_piano(piano, 0.05);
  ASSERT_GE(punti.size(), 2u);
  // Ends: metre 0 and the last computed metre (the last two stay empty), at every zoom.
  EXPECT_EQ(punti.front().metro, 0);
  EXPECT_EQ(punti.back().metro, 30000 - 2);
  EXPECT_TRUE(std::isinf(punti.front().soglia) && std::isinf(punti.back().soglia));
  EXPECT_LT(punti.size(), 3000u) << "the thinning keeps a small share of 30000 metres";
  for (const double tolleranza : {0.05, 0.5, 5.0, 50.0, 500.0}) {
    std::size_t disegnati = 0;
    EXPECT_LE(scarto_massimo(piano, punti, tolleranza, disegnati), tolleranza + 1e-9) << "tolerance " << tolleranza;
    ASSERT_GE(disegnati, 2u);
    if (tolleranza >= 50) {
      EXPECT_LT(disegnati, 40u) << "a coarse zoom draws few points";
    }
  }
}

// A winding line of 37 km made of curves of every class both ways, of lengths
// and gaps drawn from a fixed sequence: a point's threshold must never exceed
// the threshold of the split that made room for it, or at some zoom the drawn
// line skips a bend.
TEST(PianoSfoltito, AWindingLineStaysWithinEveryTolerance) {
  constexpr std::int32_t lunghezza = 37000;
  std::minstd_rand caso(318);  // its raw output is the same on every platform
  std::vector<curva_di_prova> curve;
  std::vector<std::string> parole;
  parole.reserve(200);
  for (std::int32_t p = 200;;) {
    const std::int32_t n = 100 + static_cast<std::int32_t>(caso() % 1900);
    if (p + n > lunghezza - 500) break;
    const bool sinistra = caso() % 2;
    const char classe = static_cast<char>('1' + caso() % 6);
    parole.push_back(std::string(sinistra ? "curvas" : "curvad") + classe);
    curve.push_back({p, n, parole.back().c_str()});
    p += n + static_cast<std::int32_t>(caso() % 700);
  }
  ASSERT_GT(curve.size(), 20u);
  const tabella_piano piano = piano_di(lunghezza, curve);
  const auto punti = sfoltisci_piano(piano, 0.05);
  ASSERT_GE(punti.size(), 2u);
  EXPECT_EQ(punti.back().metro, lunghezza - 2);
  for (const double tolleranza : {0.05, 0.2, 1.0, 2.0, 3.0, 5.0, 10.0, 20.0, 30.0, 50.0, 100.0, 200.0, 300.0, 1000.0}) {
    std::size_t disegnati = 0;
    EXPECT_LE(scarto_massimo(piano, punti, tolleranza, disegnati), tolleranza + 1e-9) << "tolerance " << tolleranza;
    EXPECT_GE(disegnati, 2u) << "tolerance " << tolleranza;
  }
}

TEST(PianoSfoltito, AStraightPlanKeepsItsEndsOnlyAndNoPlanGivesNothing) {
  const auto punti = sfoltisci_piano(piano_di(10000, {}), 0.05);
  ASSERT_EQ(punti.size(), 2u);
  EXPECT_EQ(punti[1].metro, 9998);
  EXPECT_DOUBLE_EQ(punti[1].y, 9998.0);
  EXPECT_TRUE(sfoltisci_piano(tabella_piano{}, 0.05).empty());
}

}  // namespace
