// The line reader driving the plan of the line through curve records.
#include <gtest/gtest.h>

#include "compiler/lettore_linea.h"
#include "compiler/linea_di_prova.h"

namespace {

// L = 1000: lunghezza_estesa = 8000, numero_celle = 160.
void scrivi_curve(linea_di_prova& t, std::initializer_list<std::string_view> record, std::int32_t lunghezza = 1000) {
  std::string testo = "[generale]\r\nlunghezza percorso, " + std::to_string(lunghezza) + "\r\n[curve]\r\n";
  for (std::string_view r : record) {
    testo += r;
    testo += "\r\n";
  }
  testo += "[fine]\r\n";
  scrivi_tutto(*t.f.cartella, file_linea(t.f), testo);
}

bool straight_up_to(const Form1& f, std::int32_t ultimo) {
  for (std::int32_t m = 2; m <= ultimo; ++m) {
    if (f.planimetria(m, 0).tag != tag_piano::reale || f.planimetria(m, 0).reale != 0.0) return false;
    if (f.planimetria(m, 1).reale != static_cast<double>(m)) return false;
  }
  return true;
}

bool vuoto_da(const Form1& f, std::int32_t primo) {
  for (std::int32_t m = primo; m <= f.planimetria.ultimo_metro(); ++m)
    if (f.planimetria(m, 0).tag != tag_piano::vuoto || f.planimetria(m, 1).tag != tag_piano::vuoto) return false;
  return true;
}

TEST(LettoreLineaPiano, CurveRecordsBuildThePlanAndTheTailExtendsIt) {
  linea_di_prova t(1);
  scrivi_curve(t, {"curvad6,  1000,  300"});
  ASSERT_EQ(t.leggi(), esito_lettura::continua);
  const Form1& f = t.f;
  EXPECT_EQ(f.planimetria(1, 1).tag, tag_piano::intero);
  EXPECT_TRUE(straight_up_to(f, 1000));
  EXPECT_EQ(f.planimetria(1001, 0).reale, 0.003);
  EXPECT_EQ(f.planimetria(1001, 1).reale, 1001.0);
  EXPECT_EQ(f.planimetria(1002, 0).reale, 0.003 + (0.003 + 0.003 * 1.0));
  EXPECT_EQ(f.planimetria(1002, 1).reale, 1001.0 + (1.0 - 0.003 * 0.003));
  EXPECT_NEAR(f.planimetria(1002, 1).reale, 1001.999991, 1e-9);
  EXPECT_EQ(f.planimetria(7998, 0).tag, tag_piano::reale);
  EXPECT_TRUE(vuoto_da(f, 7999));
  EXPECT_GT(f.planimetria(7998, 0).reale, 0.0);
}

TEST(LettoreLineaPiano, WithoutCurvesThePlanIsStraight) {
  linea_di_prova t(1);
  scrivi_curve(t, {"pendenza, 100, 1"});
  ASSERT_EQ(t.leggi(), esito_lettura::continua);
  EXPECT_TRUE(straight_up_to(t.f, 7998));
  EXPECT_TRUE(vuoto_da(t.f, 7999));
}

TEST(LettoreLineaPiano, SideLetterInEitherCase) {
  linea_di_prova minuscola(1), maiuscola(1), destra(1);
  scrivi_curve(minuscola, {"curvas3, 500, 400"});
  scrivi_curve(maiuscola, {"curvaS3, 500, 400"});
  scrivi_curve(destra, {"curvad3, 500, 400"});
  ASSERT_EQ(minuscola.leggi(), esito_lettura::continua);
  ASSERT_EQ(maiuscola.leggi(), esito_lettura::continua);
  ASSERT_EQ(destra.leggi(), esito_lettura::continua);
  for (std::int32_t m = 0; m <= 7998; ++m)
    for (int c = 0; c < 2; ++c)
      ASSERT_EQ(minuscola.f.planimetria(m, c).numero(), maiuscola.f.planimetria(m, c).numero()) << m;
  EXPECT_LT(minuscola.f.planimetria(900, 0).reale, 0.0);
  EXPECT_EQ(minuscola.f.planimetria(900, 0).reale, -destra.f.planimetria(900, 0).reale);
}

TEST(LettoreLineaPiano, RefusedCurves) {
  struct caso {
    const char* record;
    esito_lettura esito;
    std::int32_t errore;
    std::int32_t progressiva;  // -1: not set
  };
  const caso casi[] = {
      {"curvad7, 100, 50", esito_lettura::interrotta, 103, -1},
      {"curva, 100, 50", esito_lettura::interrotta, 103, -1},
      {"curvad7, 7800, 500", esito_lettura::interrotta, 103, -1},  // the class before the end of the table
      {"curva, 7901, 5", esito_lettura::errore_15, 15, 7901},      // the start before the class
      {"curvad1, 7800, 201", esito_lettura::errore_15, 15, 7800},  // would end at 8001
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.record);
    linea_di_prova t(1);
    t.f.progressiva_errore = -1;
    scrivi_curve(t, {c.record, "pendenza, 500, 3"});
    EXPECT_EQ(t.leggi(), c.esito);
    EXPECT_EQ(t.f.numero_errore, c.errore);
    EXPECT_EQ(t.f.progressiva_errore, c.progressiva);
    EXPECT_FALSE(t.file_presente());
    EXPECT_EQ(t.f.cella_n(0).pendenza, c.esito == esito_lettura::errore_15 ? 100 : 0);
    if (c.esito == esito_lettura::interrotta) {
      EXPECT_TRUE(vuoto_da(t.f, 2)) << "no point computed, no extension";
    } else {
      EXPECT_TRUE(straight_up_to(t.f, 7998)) << "the tail extends the plan";
    }
  }
  // A curve that ends exactly on the last metre is accepted.
  linea_di_prova t(1);
  scrivi_curve(t, {"curvad1, 7800, 200"});
  EXPECT_EQ(t.leggi(), esito_lettura::continua);
  EXPECT_EQ(t.f.planimetria(8000, 0).tag, tag_piano::reale);
}

TEST(LettoreLineaPiano, CursorPassingTheLimitIsError103) {
  linea_di_prova t(1);
  scrivi_curve(t, {"curvad1, 999990, 100"}, 1000000);
  EXPECT_EQ(t.leggi(), esito_lettura::interrotta);
  EXPECT_EQ(t.f.numero_errore, 103);
  EXPECT_EQ(t.f.planimetria(1000000, 0).tag, tag_piano::reale);
  EXPECT_TRUE(vuoto_da(t.f, 1000001));
  EXPECT_FALSE(t.file_presente());
}

TEST(LettoreLineaPiano, WithoutThePlanCurvesAreNotRecognised) {
  linea_di_prova t(0);
  scrivi_curve(t, {"curvad7, 100, 50", "curva, 7901, 5", "curvad1, 500, 300", "pendenza, 500, 3"});
  ASSERT_EQ(t.leggi(), esito_lettura::continua);
  EXPECT_EQ(t.f.numero_errore, 0);
  EXPECT_FALSE(t.f.planimetria.esiste());
  EXPECT_EQ(t.f.cella_n(10).pendenza, 103);
}

}  // namespace
