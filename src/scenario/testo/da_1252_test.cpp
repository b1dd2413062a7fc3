#include "scenario/testo/da_1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Da1252, ConvertsEachByteToItsCodePoint) {
  struct caso {
    std::string ingresso, atteso;
  };
  const caso casi[] = {
      {"ABC 12", "ABC 12"},     {"velocit\xE0", "velocit\xC3\xA0"},
      {"30\xB0", "30\xC2\xB0"}, {"\x80", "\xE2\x82\xAC"},
      {"\x9F", "\xC5\xB8"},     {"\x81", "\xC2\x81"},
      {"\xFF", "\xC3\xBF"},     {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& c : casi) EXPECT_EQ(utf8_da_1252(c.ingresso), c.atteso) << c.ingresso;
}

}  // namespace
