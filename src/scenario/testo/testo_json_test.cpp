#include "scenario/testo/testo_json.h"

#include <gtest/gtest.h>

namespace {

TEST(TestoJson, QuotesEscapesAndKeepsTheOutputValid) {
  struct caso {
    std::string testo;
    std::string json;
  };
  const caso casi[] = {
      {"", "\"\""},
      {"Velstra_Ordoven_318.sim", "\"Velstra_Ordoven_318.sim\""},
      {"a\"b\\c", "\"a\\\"b\\\\c\""},
      {"a\tb\x01", "\"a\\u0009b\\u0001\""},
      {"\x7F", "\"\\u007f\""},
      {"Citt\xC3\xA0", "\"Citt\xC3\xA0\""},           // valid UTF-8 passes through
      {"\xE2\x82\xAC", "\"\xE2\x82\xAC\""},           // three-byte sequence
      {"Citt\xE0", "\"Citt\\u00e0\""},                // Windows-1252 byte
      {"\x80x", "\"\\u20acx\""},                      // euro sign in Windows-1252
      {"\x81", "\"\\u0081\""},                        // no Windows-1252 character
      {"\xC3", "\"\\u00c3\""},                        // cut-off sequence
      {"\xC0\x80", "\"\\u00c0\\u20ac\""},             // overlong form is not UTF-8
      {"\xED\xA0\x80", "\"\\u00ed\\u00a0\\u20ac\""},  // surrogate is not UTF-8
  };
  for (const auto& c : casi) EXPECT_EQ(testo_json(c.testo), c.json) << c.testo;
}

}  // namespace
