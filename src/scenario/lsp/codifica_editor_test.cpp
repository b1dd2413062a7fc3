#include "scenario/lsp/codifica_editor.h"

#include <gtest/gtest.h>

namespace {

// A character Windows-1252 has not: the near one the warning proposes.
TEST(CodificaEditor, ANearCharacterForOneWindows1252HasNot) {
  struct caso {
    const char *carattere, *vicino;
  };
  const caso casi[] = {
      {"\xE2\x86\x92", "->"},    // →
      {"\xE2\x86\x90", "<-"},    // ←
      {"\xE2\x89\xA4", "<="},    // ≤
      {"\xE2\x88\x92", "-"},     // the minus sign
      {"\xC4\x8D", "c"},         // č
      {"\xC5\x81", "L"},         // Ł
      {"\xC5\x91", "o"},         // ő
      {"\xF0\x9F\x98\x80", ""},  // an emoji: nothing near
      {"\xE4\xB8\xAD", ""},      // a Chinese character
      {"", ""},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.carattere);
    EXPECT_EQ(carattere_vicino(c.carattere), c.vicino);
  }
}

// Without a near character the warning still says what to do, never to save.
TEST(CodificaEditor, ACharacterWithoutANearOneIsStillToBeReplaced) {
  const documento d("file:///a/A_1-.txt", 1, "stazione, 1, \xF0\x9F\x98\x80 X\r\n");
  const std::vector<avviso_codifica> v = avvisi_codifica(d, nullptr, "Neovim");
  ASSERT_EQ(v.size(), 1u);
  EXPECT_EQ(v[0].codice, "non-1252");
  EXPECT_EQ(v[0].offset, 13u);
  EXPECT_NE(v[0].messaggio.find("'\xF0\x9F\x98\x80' (U+1F600)"), std::string::npos) << v[0].messaggio;
  EXPECT_NE(v[0].messaggio.find("sostituiscilo con lettere o segni"), std::string::npos) << v[0].messaggio;
  EXPECT_EQ(v[0].messaggio.find("fileencoding"), std::string::npos) << v[0].messaggio;
}

}  // namespace
