#include "output/formati/codifica_byte.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

using namespace std::string_literals;

struct caso_codifica {
  const char* nome;
  std::function<void(char*&)> metti;
  std::string atteso;
};

TEST(CodificaByte, WritesLittleEndianTwosComplement) {
  const caso_codifica casi[] = {
      {"u8", [](char*& d) { metti_u8(d, 0xFE); }, "\xFE"},
      {"u16", [](char*& d) { metti_u16(d, 0x1234); }, "\x34\x12"},
      {"u16 max", [](char*& d) { metti_u16(d, 0xFFFF); }, "\xFF\xFF"},
      {"i16 610", [](char*& d) { metti_i16(d, 610); }, "\x62\x02"},
      {"i16 5121", [](char*& d) { metti_i16(d, 5121); }, "\x01\x14"},
      {"i16 -2", [](char*& d) { metti_i16(d, -2); }, "\xFE\xFF"},
      {"i16 min", [](char*& d) { metti_i16(d, std::numeric_limits<std::int16_t>::min()); }, "\x00\x80"s},
      {"i32", [](char*& d) { metti_i32(d, 0x01020304); }, "\x04\x03\x02\x01"},
      {"i32 -1", [](char*& d) { metti_i32(d, -1); }, "\xFF\xFF\xFF\xFF"},
      {"i32 min", [](char*& d) { metti_i32(d, std::numeric_limits<std::int32_t>::min()); }, "\x00\x00\x00\x80"s},
      {"f64 1.0", [](char*& d) { metti_f64(d, 1.0); }, "\x00\x00\x00\x00\x00\x00\xF0\x3F"s},
      {"f64 -2.5", [](char*& d) { metti_f64(d, -2.5); }, "\x00\x00\x00\x00\x00\x00\x04\xC0"s},
      {"f64 -0.0", [](char*& d) { metti_f64(d, -0.0); }, "\x00\x00\x00\x00\x00\x00\x00\x80"s},
  };
  for (const auto& c : casi) {
    // Written after one byte of a filled buffer: the bytes around stay as they were.
    std::string d(12, 'X');
    char* p = d.data() + 1;
    c.metti(p);
    EXPECT_EQ(p, d.data() + 1 + c.atteso.size()) << c.nome;
    EXPECT_EQ(d, "X" + c.atteso + std::string(11 - c.atteso.size(), 'X')) << c.nome;
  }
}

TEST(CodificaByte, ReadsBackWhatWasWrittenBitForBit) {
  std::string d(1 + 2 + 2 + 4 + 8 + 8 + 3, '\0');
  char* p = d.data();
  metti_u8(p, 200);
  metti_i16(p, -12345);
  metti_u16(p, 65000);
  metti_i32(p, -2000000000);
  const double nan_con_dati = std::bit_cast<double>(std::uint64_t{0x7FF8000000000123});
  metti_f64(p, nan_con_dati);
  metti_f64(p, 0.1);
  metti_byte(p, "abc");
  ASSERT_EQ(p, d.data() + d.size());

  cursore_byte in{d};
  std::uint8_t a = 0;
  std::int16_t b = 0;
  std::uint16_t c = 0;
  std::int32_t e = 0;
  double g = 0, h = 0;
  ASSERT_TRUE(prendi_u8(in, a));
  ASSERT_TRUE(prendi_i16(in, b));
  ASSERT_TRUE(prendi_u16(in, c));
  ASSERT_TRUE(prendi_i32(in, e));
  ASSERT_TRUE(prendi_f64(in, g));
  ASSERT_TRUE(prendi_f64(in, h));
  in.pos += 3;
  EXPECT_EQ(d.substr(d.size() - 3), "abc");
  EXPECT_EQ(a, 200);
  EXPECT_EQ(b, -12345);
  EXPECT_EQ(c, 65000);
  EXPECT_EQ(e, -2000000000);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(g), 0x7FF8000000000123u);
  EXPECT_EQ(h, 0.1);
  EXPECT_TRUE(in.alla_fine());
}

TEST(CodificaByte, ShortInputIsRefusedAndTheCursorStays) {
  struct caso {
    const char* nome;
    std::function<bool(cursore_byte&)> prendi;
    std::size_t servono;
  };
  const caso casi[] = {
      {"u8",
       [](cursore_byte& c) {
         std::uint8_t v;
         return prendi_u8(c, v);
       },
       1},
      {"i16",
       [](cursore_byte& c) {
         std::int16_t v;
         return prendi_i16(c, v);
       },
       2},
      {"u16",
       [](cursore_byte& c) {
         std::uint16_t v;
         return prendi_u16(c, v);
       },
       2},
      {"i32",
       [](cursore_byte& c) {
         std::int32_t v;
         return prendi_i32(c, v);
       },
       4},
      {"f64",
       [](cursore_byte& c) {
         double v;
         return prendi_f64(c, v);
       },
       8},
  };
  const std::string dati(16, '\x7F');
  for (const auto& c : casi) {
    // Start 3 bytes in so that a read ignoring the cursor would still find bytes.
    for (std::size_t resto = 0; resto < c.servono; ++resto) {
      cursore_byte in{std::string_view(dati).substr(0, 3 + resto), 3};
      EXPECT_FALSE(c.prendi(in)) << c.nome << " with " << resto << " bytes left";
      EXPECT_EQ(in.pos, 3u) << c.nome;
    }
    cursore_byte pieno{std::string_view(dati).substr(0, 3 + c.servono), 3};
    EXPECT_TRUE(c.prendi(pieno)) << c.nome;
    EXPECT_TRUE(pieno.alla_fine()) << c.nome;
  }
}

TEST(CodificaByte, RefusalNamesTheOffset) {
  const esito_decodifica e = rifiuto(1234, "unknown tag 7");
  EXPECT_FALSE(e.valido);
  EXPECT_EQ(e.offset, 1234u);
  EXPECT_EQ(e.messaggio, "offset 1234: unknown tag 7");
}

}  // namespace
