#include "scenario/documenti_autore/testo_autore.h"

#include <gtest/gtest.h>

namespace {

TEST(TestoAutore, OgniFineRigaEOgniCodificaDiventanoWindows1252ConCrLf) {
  struct caso {
    std::string dentro, fuori;
  } casi[] = {
      {"uno\r\ndue\r\n", "uno\r\ndue\r\n"},
      {"uno\ndue", "uno\r\ndue\r\n"},
      {"uno\rdue\r\r", "uno\r\ndue\r\n\r\n"},
      {"  \r\n", "  \r\n"},
      {"citt\xE0 e perch\xE9\r\n", "citt\xE0 e perch\xE9\r\n"},  // Windows-1252 as it is
      {"\xEF\xBB\xBF"
       "citt\xC3\xA0 \xE2\x82\xAC\n",
       "citt\xE0 \x80\r\n"},  // UTF-8 with its mark, the euro sign
      {"", ""},
  };
  for (const caso& c : casi) {
    std::vector<std::string> errori;
    EXPECT_EQ(testo_crlf(righe_autore(c.dentro, "n.txt", errori)), c.fuori) << c.dentro;
    EXPECT_TRUE(errori.empty()) << c.dentro;
  }
}

TEST(TestoAutore, RifiutaQuelloCheWindows1252NonHaConLaSuaRiga) {
  struct caso {
    std::string dentro, errore;
  } casi[] = {
      {"a\nb \xE2\x86\x92 c\n", "n.txt:2: il carattere U+2192 non esiste in Windows-1252"},
      {"a\r\n\r\nx\x81y\r\n", "n.txt:3: il byte 0x81 non \xC3\xA8 un carattere di Windows-1252"},
      {"a\x01"
       "b",
       "n.txt:1: carattere di controllo U+0001 non ammesso"},
  };
  for (const caso& c : casi) {
    std::vector<std::string> errori;
    righe_autore(c.dentro, "n.txt", errori);
    ASSERT_EQ(errori.size(), 1u) << c.dentro;
    EXPECT_EQ(errori[0], c.errore);
  }
}

}  // namespace
