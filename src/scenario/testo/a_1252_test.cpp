#include "scenario/testo/a_1252.h"

#include <gtest/gtest.h>

#include "scenario/testo/da_1252.h"

namespace {

TEST(A1252, OneByteForEachCharacter) {
  struct caso {
    std::string utf8, byte;
    std::vector<std::size_t> non_rappresentabili;
  };
  const caso casi[] = {
      {"CITT\xC3\x80 d'\xC3\xA8", "CITT\xC0 d'\xE8", {}},
      {"\xE2\x82\xAC 5 \xE2\x80\x93 \xC5\x93", "\x80 5 \x96 \x9C", {}},  // euro, en dash, oe: the 0x80-0x9F row
      {"a\xE2\x86\x92"
       "b",
       "a?b",
       {1}},                             // an arrow: no such byte
      {"\xF0\x9F\x98\x80!", "?!", {0}},  // outside the first plane
      {"x\xC3(", "x?(", {1}},            // no UTF-8 at all
      {std::string("\0\r\n", 3), std::string("\0\r\n", 3), {}},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.utf8);
    const testo_1252 t = converti_in_1252(c.utf8);
    EXPECT_EQ(t.byte, c.byte);
    EXPECT_EQ(t.non_rappresentabili, c.non_rappresentabili);
  }
}

// What the tool shows of a file comes back to the same bytes, the five
// bytes Windows-1252 leaves undefined included.
TEST(A1252, EveryByteComesBack) {
  std::string tutti;
  for (int b = 0; b < 256; ++b) tutti += static_cast<char>(b);
  const testo_1252 t = converti_in_1252(utf8_da_1252(tutti));
  EXPECT_EQ(t.byte, tutti);
  EXPECT_TRUE(t.non_rappresentabili.empty());
}

}  // namespace
