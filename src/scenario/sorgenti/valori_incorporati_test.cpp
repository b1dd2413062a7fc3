#include "scenario/sorgenti/valori_incorporati.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string elenco(const std::vector<valore_contato>& v) {
  std::string t;
  for (const valore_contato& x : v)
    t += (t.empty() ? "" : " ") + (x.testo.empty() ? "-" : x.testo) + ":" + std::to_string(x.righe);
  return t;
}

// The figures the embedded content is written to: 160 signals, 144 of kind 2;
// 416 code points by their codes; the station types; the curve keywords.
TEST(ValoriIncorporati, CountsTheValuesTheEmbeddedSourcesWrite) {
  const forma_record& segnale = forma_di_genere(genere_record::segnale);
  EXPECT_EQ(record_incorporati(segnale), 160);
  EXPECT_EQ(elenco(valori_incorporati(segnale, 1)), "2:144 1:16");
  EXPECT_EQ(elenco(valori_incorporati(segnale, 10)), "0:155 205:2 140:1 150:1 255:1");
  const forma_record& codici = forma_di_genere(genere_record::abbattimento);
  EXPECT_EQ(elenco(valori_incorporati(codici, 1)), "280:262 270:141 AC:12 180:1");
  EXPECT_EQ(elenco(valori_incorporati(forma_di_genere(genere_record::stazione), 1)),
            "12:13 4:7 22:6 2:5 26:4 28:4 11:3 25:2 8:1");
  // An item left empty is counted as such.
  const std::vector<valore_contato> t1 = valori_incorporati(forma_di_genere(genere_record::indicatori_vmax), 5);
  EXPECT_TRUE(std::any_of(t1.begin(), t1.end(), [](const valore_contato& v) { return v.testo.empty(); }));
  const std::string curve = elenco(chiavi_incorporate(forma_di_genere(genere_record::curva)));
  EXPECT_EQ(curve.rfind("curvad1:15 curvas1:15 ", 0), 0u) << curve;
  EXPECT_EQ(record_incorporati(forma_di_genere(genere_record::curva)), 112);
}

TEST(ValoriIncorporati, TimedStationsAndSectionsOfTheEmbeddedSources) {
  const std::vector<std::string> orari = stazioni_con_orario_incorporate();
  ASSERT_EQ(orari.size(), 8u);
  EXPECT_EQ(orari[1], "PIACENZA 13.57");
  const std::vector<sezione_incorporata> sezioni = sezioni_incorporate();
  const auto stazioni = std::find_if(sezioni.begin(), sezioni.end(),
                                     [](const sezione_incorporata& s) { return s.intestazione == "[stazioni]"; });
  ASSERT_NE(stazioni, sezioni.end());
  ASSERT_EQ(stazioni->record.size(), 1u);
  EXPECT_EQ(stazioni->record[0]->genere, genere_record::stazione);
  // [generale] stands in both files: one section with the keys of both.
  EXPECT_EQ(std::count_if(sezioni.begin(), sezioni.end(),
                          [](const sezione_incorporata& s) { return s.intestazione == "[generale]"; }),
            1);
  EXPECT_EQ(sezioni.front().record.size(), 12u);
}

}  // namespace
