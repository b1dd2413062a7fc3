#include "output/codici_gara.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "model/form1.h"

namespace {

struct codici_codici_gara {
  std::int16_t og;
  std::int32_t st;
  std::string nomi;  // the train number and route key they come from, for the failure message only
  bool operator==(const codici_codici_gara& b) const { return og == b.og && st == b.st; }
};

// A failure shows the two codes as numbers and the names as text (bytes past
// ASCII as \xNN), not the bytes of the object.
void PrintTo(const codici_codici_gara& c, std::ostream* os) {
  *os << "og " << c.og << ", st " << c.st;
  if (c.nomi.empty()) return;
  *os << " (";
  for (const unsigned char b : c.nomi) {
    if (b >= 0x20 && b < 0x7F) {
      *os << static_cast<char>(b);
    } else {
      const char cifre[] = "0123456789ABCDEF";
      *os << "\\x" << cifre[b >> 4] << cifre[b & 0xF];
    }
  }
  *os << ")";
}

codici_codici_gara codici_di(const std::string& treno, const std::string& percorso) {
  auto f = std::make_unique<Form1>();
  f->stazioni[voce_ripetizione].nome = treno;
  f->stazioni[voce_sfondo].nome = percorso;
  return {codice_gara_og(*f), codice_gara_st(*f), "treno '" + treno + "', percorso '" + percorso + "'"};
}

TEST(CodiciGara, WorkedExamples) {
  EXPECT_EQ(codici_di("1", "ab"), (codici_codici_gara{2496, 33703, {}}));
  EXPECT_EQ(codici_di("", ""), (codici_codici_gara{2583, 34355, {}}));
}

TEST(CodiciGara, ReadsTheNamesFromEntries86And85NotFromTheRunsNames) {
  auto f = std::make_unique<Form1>();
  f->nome_percorso = "Velstra_Ordoven";
  f->numero_treno = "318";
  f->stazioni[voce_ripetizione].nome = "1";
  f->stazioni[voce_sfondo].nome = "ab";
  EXPECT_EQ(codice_gara_og(*f), 2496);
  EXPECT_EQ(codice_gara_st(*f), 33703);
}

TEST(CodiciGara, NamesDifferingOnlyInCaseGiveTheSameCodes) {
  struct caso {
    const char* treno;
    const char* percorso;
    const char* treno_minuscolo;
    const char* percorso_minuscolo;
  };
  const caso casi[] = {
      {"318", "Velstra_Ordoven", "318", "velstra_ordoven"},
      {"IC 5", "ROMA", "ic 5", "roma"},
      {"\xC0\xC9\xDE", "\x8A\x8C\x8E\x9F", "\xE0\xE9\xFE", "\x9A\x9C\x9E\xFF"},
  };
  for (const auto& c : casi)
    EXPECT_EQ(codici_di(c.treno, c.percorso), codici_di(c.treno_minuscolo, c.percorso_minuscolo)) << c.percorso;
}

TEST(CodiciGara, LowerCaseMapsOnlyTheCapitals) {
  struct caso {
    unsigned char da, a;
  };
  const caso casi[] = {
      {'A', 'a'},   {'Z', 'z'},   {'a', 'a'},   {'@', '@'},   {'[', '['},   {'_', '_'},   {'0', '0'},
      {0xC0, 0xE0}, {0xD6, 0xF6}, {0xD7, 0xD7}, {0xD8, 0xF8}, {0xDE, 0xFE}, {0xDF, 0xDF}, {0xBF, 0xBF},
      {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}, {0x8B, 0x8B}, {0xFF, 0xFF},
  };
  for (const auto& c : casi) EXPECT_EQ(minuscola_1252(c.da), c.a) << static_cast<int>(c.da);
}

TEST(CodiciGara, WorkStringIsTrainThenRouteLowerCasedThenFiller) {
  EXPECT_EQ(stringa_codici("IC1", "Ab"), "ic1abaabbccddeeffgghhiillmmnnoo");
}

// Only the first 25 bytes count: past them neither the names nor the filler
// matter; within them every byte does.
TEST(CodiciGara, OnlyTheFirst25BytesCount) {
  const std::string venticinque = "abcdefghijklmnopqrstuvwxy";
  EXPECT_EQ(codici_di("", venticinque), codici_di("", venticinque + "zzz"));
  EXPECT_EQ(codici_di("abcde", "fghijklmnopqrstuvwxy"), codici_di("abcde", "fghijklmnopqrstuvwxyQ"));
  EXPECT_NE(codici_di("", venticinque.substr(0, 24) + "z").og, codici_di("", venticinque).og);
}

TEST(CodiciGara, TrainNumberComesFirst) {
  const codici_codici_gara diritto = codici_di("318", "Velstra_Ordoven");
  const codici_codici_gara rovescio = codici_di("Velstra_Ordoven", "318");
  EXPECT_EQ(diritto.og, rovescio.og);  // a plain sum does not see the order
  EXPECT_NE(diritto.st, rovescio.st);
}

TEST(CodiciGara, HighestBytesStayInRange) {
  const std::string alti(30, '\xFF');
  EXPECT_EQ(codici_di(alti, ""), (codici_codici_gara{static_cast<std::int16_t>(25 * 255), 255 * 325, {}}));
}

}  // namespace
