#include "model/chilometri.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "output/memorizza_percorso.h"
#include "test_support/form_di_prova.h"

namespace {

// The series of the embedded line, as the compiler stores them from its
// general section ("progressiva chilometrica uno, 23450, 218300, 1" and
// "due, 218300, 315200, 1"; "tre" all zero).
std::vector<serie_chilometrica> serie_incorporate() {
  form_di_prova p("Velstra_Ordoven", "318");
  dati_linea(p.f);
  dati_treno(p.f);
  memorizza_percorso(p.f, 0);
  return serie_chilometriche(p.f.stazioni);
}

TEST(Chilometri, TheEmbeddedLinesPostsAreThoseOfItsSignsAndSheet) {
  const auto serie = serie_incorporate();
  ASSERT_EQ(serie.size(), 2u);
  EXPECT_EQ(serie[0].riferimento, 218300);  // as written, not the stored 218400
  const struct {
    const char* dove;
    std::int64_t progressiva;
    std::int64_t scritto;  // the post on the sign or the sheet
    std::int64_t tolleranza;
  } casi[] = {
      {"the sign (93+700)", 221500, 93700, 0},
      {"the sign (65+909)", 152400, 65909, 50},
      {"BOLOGNA C.LE, 0.000 on the sheet, under the first series", 218300, 0, 0},
      {"S.BENEDETTO SAMBRO, 55.685 on the sheet", 259500, 55685, 50},
  };
  for (const auto& c : casi) {
    const punto_chilometrico k = punto_di(serie, c.progressiva);
    EXPECT_TRUE(k.da_serie) << c.dove;
    EXPECT_LE(std::llabs(k.metri - c.scritto), c.tolleranza) << c.dove << ": " << testo_punto(k.metri);
  }
  EXPECT_EQ(testo_punto(punto_di(serie, 259500).metri), "55+700");
  // Before the first series the post is the distance from the start.
  const punto_chilometrico inizio = punto_di(serie, 23450);
  EXPECT_FALSE(inizio.da_serie);
  EXPECT_EQ(testo_punto(inizio.metri), "23+450");
}

TEST(Chilometri, APostWhereTheCountRestartsNamesEachPlace) {
  const auto serie = serie_incorporate();
  // 55+685 stands under the first series and again under the second.
  EXPECT_EQ(progressive_del_punto(serie, 55685, 300000), (std::vector<std::int64_t>{162615, 259515}));
  // 10+000 stands before the first series as a distance and under the first;
  // under the second it would lie past the end of the line.
  EXPECT_EQ(progressive_del_punto(serie, 10000, 300000), (std::vector<std::int64_t>{10000, 208300}));
  // Each place found gives the post back.
  for (std::int64_t p : progressive_del_punto(serie, 55685, 300000)) EXPECT_EQ(punto_di(serie, p).metri, 55685);
}

TEST(Chilometri, WithoutSeriesThePostIsTheDistanceAndBelowZeroKeepsItsSign) {
  EXPECT_EQ(testo_punto(punto_di({}, 1234567).metri), "1234+567");
  const serie_chilometrica una[] = {{1000, 800}};
  EXPECT_EQ(testo_punto(punto_di(una, 1150).metri), "-0+350");
  EXPECT_EQ(testo_punto(punto_di(una, 1000).metri), "1+000");  // at its start the series is not yet in force
  EXPECT_EQ(progressive_del_punto({}, 400, 300), std::vector<std::int64_t>{});
}

}  // namespace
