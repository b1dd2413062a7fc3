#include "compiler/progressive_ordina.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "base/stato.h"
#include "model/form1.h"

namespace {

struct terna {
  std::int32_t inizio, riferimento, flag;
  bool operator==(const terna&) const = default;
};

void poni(Form1& f, const std::array<terna, 3>& t) {
  for (int i = 0; i < 3; ++i) {
    stazione& s = f.stazioni[static_cast<std::size_t>(81 + i)];
    s.inizio = t[static_cast<std::size_t>(i)].inizio;
    s.fine = t[static_cast<std::size_t>(i)].riferimento;
    s.progressiva = t[static_cast<std::size_t>(i)].flag;
  }
}

std::array<terna, 3> leggi_progressive_ordina(const Form1& f) {
  std::array<terna, 3> t{};
  for (int i = 0; i < 3; ++i) {
    const stazione& s = f.stazioni[static_cast<std::size_t>(81 + i)];
    t[static_cast<std::size_t>(i)] = {s.inizio, s.fine, s.progressiva};
  }
  return t;
}

std::string testo_progressive_ordina(const std::array<terna, 3>& t) {
  std::string r;
  for (const terna& x : t)
    r += "(" + std::to_string(x.inizio) + "," + std::to_string(x.riferimento) + "," + std::to_string(x.flag) + ")";
  return r;
}

TEST(ProgressiveOrdina, SortsByStartAndAddsOneHundredToFlaggedReferences) {
  const terna X{10, 1000, 0}, Y{20, 2000, 0}, Z{30, 3000, 0};
  const terna zero{0, 0, 0};
  struct caso {
    std::array<terna, 3> in;  // 81, 82, 83 = X, Y, Z
    std::array<terna, 3> atteso;
  };
  const caso casi[] = {
      // The embedded line: "tre" all zero, "due" and "uno" flagged.
      {{zero, terna{218300, 315200, 1}, terna{23450, 218300, 1}},
       {terna{218300, 315300, 1}, terna{23450, 218400, 1}, zero}},
      {{X, Y, Z}, {Z, Y, X}},
      {{Z, X, Y}, {Z, Y, X}},
      {{Y, Z, X}, {Z, Y, X}},
      // Greatest first; the two smaller equal: the first of them goes last.
      {{Z, terna{5, 1, 0}, terna{5, 2, 0}}, {Z, terna{5, 2, 0}, terna{5, 1, 0}}},
      {{terna{5, 1, 0}, Z, terna{5, 2, 0}}, {Z, terna{5, 2, 0}, terna{5, 1, 0}}},
      {{terna{5, 1, 0}, terna{5, 2, 0}, Z}, {Z, terna{5, 2, 0}, terna{5, 1, 0}}},
      // The two greatest equal: all three cleared, flags and all.
      {{terna{30, 1, 1}, terna{30, 2, 1}, X}, {zero, zero, zero}},
      {{X, terna{30, 1, 1}, terna{30, 2, 1}}, {zero, zero, zero}},
      {{terna{7, 1, 1}, terna{7, 2, 1}, terna{7, 3, 1}}, {zero, zero, zero}},
      // Negative starts still sort when the sum is not zero.
      {{terna{-50, 1, 0}, terna{-10, 2, 0}, terna{-30, 3, 0}}, {terna{-10, 2, 0}, terna{-30, 3, 0}, terna{-50, 1, 0}}},
      // Starts summing to zero: the last series with a reference >= 1 decides.
      {{terna{0, 5, 1}, terna{0, 0, 0}, terna{0, 0, 0}}, {terna{0, 105, 1}, zero, zero}},
      {{terna{0, 5, 0}, terna{0, 6, 0}, terna{0, 0, 0}}, {terna{0, 6, 0}, terna{0, 5, 0}, zero}},
      {{terna{0, 5, 0}, terna{0, 6, 0}, terna{0, 7, 0}}, {terna{0, 7, 0}, terna{0, 6, 0}, terna{0, 5, 0}}},
      {{terna{0, 5, 0}, terna{0, 0, 0}, terna{0, 7, 1}}, {terna{0, 107, 1}, zero, terna{0, 5, 0}}},
      {{terna{50, 5, 0}, terna{-50, 6, 0}, terna{0, 0, 2}}, {terna{-50, 6, 0}, terna{50, 5, 0}, terna{0, 0, 2}}},
      {{terna{0, -5, 1}, terna{0, 0, 1}, terna{0, 0, 1}}, {zero, zero, zero}},
  };
  for (const caso& c : casi) {
    Form1 f;
    poni(f, c.in);
    progressive_ordina(f);
    EXPECT_EQ(leggi_progressive_ordina(f), c.atteso)
        << testo_progressive_ordina(c.in) << " gave " << testo_progressive_ordina(leggi_progressive_ordina(f));
  }
}

TEST(ProgressiveOrdina, ReferenceThatWouldOverflowFailsAndLaterOnesStay) {
  const std::int32_t massimo = std::numeric_limits<std::int32_t>::max();
  Form1 f;
  poni(f, {terna{300, 1, 1}, terna{200, massimo - 99, 1}, terna{100, 3, 1}});
  EXPECT_THROW(progressive_ordina(f), interruzione);
  const std::array<terna, 3> atteso = {terna{300, 101, 1}, terna{200, massimo - 99, 1}, terna{100, 3, 1}};
  EXPECT_EQ(leggi_progressive_ordina(f), atteso) << testo_progressive_ordina(leggi_progressive_ordina(f));

  Form1 g;
  poni(g, {terna{300, massimo - 100, 1}, terna{0, 0, 0}, terna{0, 0, 0}});
  progressive_ordina(g);
  EXPECT_EQ(g.stazioni[81].fine, massimo);
}

}  // namespace
