#include "compiler/piano_linea.h"

#include <gtest/gtest.h>

#include "model/form1.h"

namespace {

Form1 piano_di_piano_linea(std::int32_t lunghezza_estesa) {
  Form1 f;
  f.lunghezza_estesa = lunghezza_estesa;
  f.planimetria.crea(lunghezza_estesa);
  return f;
}

void atteso_reale(const Form1& f, std::int32_t m, double x, double y) {
  SCOPED_TRACE("metre " + std::to_string(m));
  ASSERT_EQ(f.planimetria(m, 0).tag, tag_piano::reale);
  ASSERT_EQ(f.planimetria(m, 1).tag, tag_piano::reale);
  EXPECT_EQ(f.planimetria(m, 0).reale, x);  // bit for bit, not approximately
  EXPECT_EQ(f.planimetria(m, 1).reale, y);
}

TEST(PianoLinea, SeedsAreIntegersAndAPlanWithoutCurvesIsStraight) {
  Form1 f = piano_di_piano_linea(400);
  std::int32_t cursore = -5;
  semina_piano(f, cursore);
  EXPECT_EQ(cursore, 2);
  const std::int16_t semi[2][2] = {{0, 0}, {0, 1}};
  for (int m = 0; m < 2; ++m)
    for (int c = 0; c < 2; ++c) {
      EXPECT_EQ(f.planimetria(m, c).tag, tag_piano::intero);
      EXPECT_EQ(f.planimetria(m, c).intero, semi[m][c]);
    }
  estendi_piano(f, cursore);
  EXPECT_EQ(cursore, 399);
  for (std::int32_t m = 2; m <= 398; ++m) atteso_reale(f, m, 0.0, m);
  for (std::int32_t m : {399, 400})
    for (int c = 0; c < 2; ++c) EXPECT_EQ(f.planimetria(m, c).tag, tag_piano::vuoto) << m;
}

TEST(PianoLinea, CurveTurnsByItsFactorWithTheNewStepFormedFirst) {
  Form1 f = piano_di_piano_linea(2000);
  std::int32_t cursore = 0;
  semina_piano(f, cursore);
  ASSERT_EQ(aggiungi_curva(f, cursore, 1000, 300, "curvad6"), esito_curva::fatta);
  EXPECT_EQ(cursore, 1301);
  for (std::int32_t m = 2; m <= 1000; ++m) atteso_reale(f, m, 0.0, m);

  // The walk recomputed here: step = P(m-1) - P(m-2), new step, then the sum.
  const double k = 0.003;
  double x_prima = 0.0, y_prima = 999.0, x = 0.0, y = 1000.0;
  for (std::int32_t m = 1001; m <= 1300; ++m) {
    double dx = x - x_prima, dy = y - y_prima;
    double ndx = dx + k * dy, ndy = dy - k * dx;
    x_prima = x;
    y_prima = y;
    x = x + ndx;
    y = y + ndy;
    atteso_reale(f, m, x, y);
  }
  EXPECT_EQ(f.planimetria(1001, 0).reale, 0.003);
  EXPECT_EQ(f.planimetria(1001, 1).reale, 1001.0);
  EXPECT_NEAR(f.planimetria(1002, 0).reale, 0.009, 1e-15);
  EXPECT_NEAR(f.planimetria(1002, 1).reale, 1001.999991, 1e-9);
  EXPECT_EQ(f.planimetria(1301, 0).tag, tag_piano::vuoto);

  // After the curve the line goes on with the curve's last step.
  estendi_piano(f, cursore);
  double dx = f.planimetria(1300, 0).reale - f.planimetria(1299, 0).reale;
  double dy = f.planimetria(1300, 1).reale - f.planimetria(1299, 1).reale;
  atteso_reale(f, 1301, f.planimetria(1300, 0).reale + dx, f.planimetria(1300, 1).reale + dy);
}

TEST(PianoLinea, ClassDigitAndSideOfTheKeyword) {
  struct caso {
    const char* parola;
    bool ha_classe;
    double k;
  };
  const caso casi[] = {
      {"curvad1", true, 0.0001},  {"curvad2", true, 0.0002}, {"curvad3", true, 0.0004},  {"curvad4", true, 0.001},
      {"curvad5", true, 0.002},   {"curvad6", true, 0.003},  {"curvas1", true, -0.0001}, {"curvas6", true, -0.003},
      {"curvaS3", true, -0.0004}, {"CURVAD3", true, 0.0004}, {"curva62", true, 0.0002},  {"curvad7", false, 0.0},
      {"curva", false, 0.0},      {"curvas0", false, 0.0},
  };
  for (const caso& c : casi) {
    auto k = fattore_curva(c.parola);
    EXPECT_EQ(k.has_value(), c.ha_classe) << c.parola;
    if (k && c.ha_classe) {
      EXPECT_EQ(*k, c.k) << c.parola;
    }
  }
}

TEST(PianoLinea, RefusedCurvesComputeNoPoint) {
  Form1 f = piano_di_piano_linea(1000);
  std::int32_t cursore = 0;
  semina_piano(f, cursore);
  EXPECT_EQ(aggiungi_curva(f, cursore, 10, 20, "curvad7"), esito_curva::senza_classe);
  EXPECT_EQ(aggiungi_curva(f, cursore, 900, 101, "curvad1"), esito_curva::oltre_la_tabella);
  EXPECT_EQ(cursore, 2);
  for (std::int32_t m = 2; m <= 1000; ++m) ASSERT_EQ(f.planimetria(m, 0).tag, tag_piano::vuoto) << m;
  // Ending exactly on the last metre is allowed.
  EXPECT_EQ(aggiungi_curva(f, cursore, 900, 100, "curvas1"), esito_curva::fatta);
  EXPECT_EQ(cursore, 1001);
  EXPECT_EQ(f.planimetria(1000, 0).tag, tag_piano::reale);
}

TEST(PianoLinea, CurveStartingBehindTheCursorIsCurvedFromTheCursorOn) {
  Form1 f = piano_di_piano_linea(1000);
  Form1 g = piano_di_piano_linea(1000);
  std::int32_t cf = 0, cg = 0;
  semina_piano(f, cf);
  semina_piano(g, cg);
  ASSERT_EQ(aggiungi_curva(f, cf, 100, 50, "curvad2"), esito_curva::fatta);
  ASSERT_EQ(aggiungi_curva(f, cf, 120, 60, "curvas4"), esito_curva::fatta);  // overlaps: curved 151..180
  ASSERT_EQ(aggiungi_curva(g, cg, 100, 50, "curvad2"), esito_curva::fatta);
  ASSERT_EQ(aggiungi_curva(g, cg, 150, 30, "curvas4"), esito_curva::fatta);
  EXPECT_EQ(cf, 181);
  for (std::int32_t m = 0; m <= 1000; ++m)
    for (int c = 0; c < 2; ++c) {
      ASSERT_EQ(f.planimetria(m, c).tag, g.planimetria(m, c).tag) << m;
      ASSERT_EQ(f.planimetria(m, c).numero(), g.planimetria(m, c).numero()) << m;
    }
  // A curve entirely behind the cursor computes nothing.
  ASSERT_EQ(aggiungi_curva(f, cf, 10, 20, "curvad1"), esito_curva::fatta);
  EXPECT_EQ(cf, 181);
  EXPECT_EQ(f.planimetria(181, 0).tag, tag_piano::vuoto);
}

TEST(PianoLinea, CurvesStopWhenTheCursorPassesTheLimit) {
  Form1 f = piano_di_piano_linea(ultimo_metro_curve + 500);
  std::int32_t cursore = 0;
  semina_piano(f, cursore);
  EXPECT_EQ(aggiungi_curva(f, cursore, ultimo_metro_curve - 10, 100, "curvad1"), esito_curva::oltre_il_limite);
  EXPECT_EQ(cursore, ultimo_metro_curve + 1);
  EXPECT_EQ(f.planimetria(ultimo_metro_curve, 0).tag, tag_piano::reale);
  EXPECT_EQ(f.planimetria(ultimo_metro_curve + 1, 0).tag, tag_piano::vuoto);
  // The straight run before a curve is held to the same limit.
  Form1 g = piano_di_piano_linea(ultimo_metro_curve + 500);
  semina_piano(g, cursore);
  EXPECT_EQ(aggiungi_curva(g, cursore, ultimo_metro_curve + 10, 5, "curvad1"), esito_curva::oltre_il_limite);
  EXPECT_EQ(cursore, ultimo_metro_curve + 1);
  // The extension has no such limit.
  estendi_piano(g, cursore);
  EXPECT_EQ(cursore, ultimo_metro_curve + 499);
}

}  // namespace
