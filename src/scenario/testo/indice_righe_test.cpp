#include "scenario/testo/indice_righe.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct caso_indice_righe {
  std::size_t offset, riga, colonna;
};

void verifica_indice_righe(const std::string& testo, std::initializer_list<caso_indice_righe> casi, std::size_t righe) {
  const indice_righe r(testo);
  EXPECT_EQ(r.righe(), righe);
  for (const caso_indice_righe& c : casi) {
    SCOPED_TRACE(std::to_string(c.offset));
    const punto_riga p = r.in_byte(c.offset);
    EXPECT_EQ(p.riga, c.riga);
    EXPECT_EQ(p.colonna, c.colonna);
  }
}

// Each kind of line end is one line end: CR LF, a lone LF, a lone CR; a
// text ending without one still has its last line, a text ending with one
// has an empty line after it.
TEST(IndiceRighe, EachLineEndIsCountedOnce) {
  // "ab" CR LF "c" LF "d" CR "e": the LF of the CR LF stands with its CR.
  verifica_indice_righe("ab\r\nc\nd\re",
                        {{0, 0, 0}, {2, 0, 2}, {3, 0, 2}, {4, 1, 0}, {5, 1, 1}, {6, 2, 0}, {8, 3, 0}, {9, 3, 1}}, 4);
  verifica_indice_righe("ab\r\n", {{4, 1, 0}, {99, 1, 0}}, 2);
  verifica_indice_righe("ab", {{1, 0, 1}, {2, 0, 2}, {99, 0, 2}}, 1);
  verifica_indice_righe("", {{0, 0, 0}}, 1);
  // LF CR is two line ends, CR CR LF two, LF LF two.
  verifica_indice_righe("\n\r", {{1, 1, 0}, {2, 2, 0}}, 3);
  verifica_indice_righe("\r\r\n", {{1, 1, 0}, {2, 1, 0}, {3, 2, 0}}, 3);
  verifica_indice_righe("\n\n", {{1, 1, 0}, {2, 2, 0}}, 3);
}

TEST(IndiceRighe, LinesAndColumnsGoBackToOffsets) {
  const indice_righe r("uno\r\ndue\ntre\rquattro");
  EXPECT_EQ(r.inizio(1), 5u);
  EXPECT_EQ(r.fine(1), 8u);
  EXPECT_EQ(r.inizio(3), 13u);
  EXPECT_EQ(r.fine(3), 20u);
  EXPECT_EQ(r.offset_di({2, 1}), 10u);
  EXPECT_EQ(r.offset_di({0, 99}), 3u);  // past the line's end: its end
  EXPECT_EQ(r.offset_di({9, 0}), 20u);  // past the last line: the end
  for (std::size_t o = 0; o <= 20; ++o)
    if (o != 4) {  // 4 is the LF of a CR LF
      EXPECT_EQ(r.offset_di(r.in_byte(o)), o) << o;
    }
  // The 1-based form of the messages.
  EXPECT_EQ(posizione_1(r, 10).riga, 3u);
  EXPECT_EQ(posizione_1(r, 10).colonna, 2u);
}

// In UTF-8 'à' is two bytes and one UTF-16 unit; a character outside the
// BMP is four bytes and two units (an editor's text may hold one).
TEST(IndiceRighe, Utf16UnitsOfAUtf8Text) {
  const std::string t = "citt\xC3\xA0, 1\r\nx\xF0\x9F\x98\x80y\nz";
  const indice_righe r(t);
  struct caso_utf16 {
    std::size_t offset, riga, unita;
  };
  const caso_utf16 casi[] = {{4, 0, 4},  {6, 0, 5},  {9, 0, 8},  {10, 0, 8}, {11, 1, 0},
                             {12, 1, 1}, {16, 1, 3}, {17, 1, 4}, {18, 2, 0}};
  for (const caso_utf16& c : casi) {
    SCOPED_TRACE(std::to_string(c.offset));
    const punto_riga p = r.in_utf16(t, c.offset);
    EXPECT_EQ(p.riga, c.riga);
    EXPECT_EQ(p.colonna, c.unita);
    if (c.offset != 10) {
      EXPECT_EQ(r.offset_di_utf16(t, p), c.offset);
    }
  }
  EXPECT_EQ(r.offset_di_utf16(t, {0, 99}), 9u);
  EXPECT_EQ(avanza_caratteri(t, 11, 2), 16u);
  EXPECT_EQ(caratteri_tra(t, 11, 17), 3u);
  // In Windows-1252 'à' is one byte and one unit: the byte column serves.
  const std::string b = "citt\xE0, 1";
  EXPECT_EQ(indice_righe(b).in_byte(5).colonna, 5u);
}

}  // namespace
