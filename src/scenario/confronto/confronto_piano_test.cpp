#include "scenario/confronto/confronto_piano.h"

#include <gtest/gtest.h>

#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"
#include "scenario/confronto/lato_confronto.h"

namespace {

// The embedded scenario compiled, its plan from the plan file.
const lato_confronto& incorporato() {
  static const lato_confronto l =
      compila_lato({true, true, testo_righe(righe_linea()), testo_righe(righe_treno())}, {"Velstra_Ordoven", "318"});
  return l;
}

// Moves the points of metres da to a (both included) by d across the line (x).
void sposta(tabella_piano& p, std::int32_t da, std::int32_t a, double d) {
  for (std::int32_t m = da; m <= a; ++m) p.metti_reale(m, 0, p.numero(m, 0) + d);
}

std::vector<modifica> confronta_confronto_piano(const scenario_compatto& sb) {
  const lato_confronto& l = incorporato();
  const scenario_confronto c = prepara_confronto(l.s, l.ind);
  std::vector<modifica> m;
  confronta_piano(c, c, l.s, sb, m);
  return m;
}

// The drawn line differs where its points lie farther apart than the
// tolerance, as stretches with how far; a bend within it is no change.
TEST(ConfrontoPiano, StretchesFartherApartThanTheTolerance) {
  ASSERT_TRUE(incorporato().s.piano && incorporato().s.piano->esiste());
  EXPECT_TRUE(confronta_confronto_piano(incorporato().s).empty());

  scenario_compatto b = incorporato().s;
  sposta(*b.piano, 20000, 20999, 0.4);  // within the tolerance
  sposta(*b.piano, 50000, 50999, 2.0);
  sposta(*b.piano, 51050, 51099, 3.0);  // 50 m on: the same stretch
  const std::vector<modifica> m = confronta_confronto_piano(b);
  std::string visto;
  for (const modifica& x : m) visto += x.genere + " " + x.oggetto + ": " + x.descrizione + "\n";
  // The moved stretches turn at their ends: a curve where none was.
  std::vector<const modifica*> linea;
  for (const modifica& x : m)
    if (x.genere == "planimetria") linea.push_back(&x);
  ASSERT_EQ(linea.size(), 1u) << visto;
  EXPECT_EQ(linea[0]->oggetto, "planimetria");
  ASSERT_TRUE(linea[0]->a && linea[0]->b);
  EXPECT_EQ(linea[0]->a->metri, 50000);
  EXPECT_NE(linea[0]->descrizione.find("linea disegnata spostata fino a 3.0 m tra "), std::string::npos) << visto;
  EXPECT_NE(linea[0]->descrizione.find(" e " + luogo_in(prepara_confronto(b, {}), 51099).punto), std::string::npos)
      << visto;
  for (const modifica& x : m)
    if (x.genere != "planimetria") {
      EXPECT_EQ(x.oggetto, "curva") << visto;
    }
}

// A point on one side only is a difference; a plan on one side only is one
// general change.
TEST(ConfrontoPiano, PointsOrAPlanOnOneSideOnly) {
  scenario_compatto b = incorporato().s;
  b.piano->metti(1000, 0, valore_piano{});
  std::vector<modifica> m = confronta_confronto_piano(b);
  ASSERT_FALSE(m.empty());
  EXPECT_EQ(m.back().genere, "planimetria");
  EXPECT_NE(m.back().descrizione.find("con punti su un lato solo"), std::string::npos) << m.back().descrizione;

  b.piano.reset();
  m = confronta_confronto_piano(b);
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].genere, "generale");
  EXPECT_EQ(m[0].descrizione, "planimetria presente \xE2\x86\x92 assente");
}

}  // namespace
