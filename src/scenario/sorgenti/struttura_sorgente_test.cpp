#include "scenario/sorgenti/struttura_sorgente.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string tra(const std::string& t, std::size_t da, std::size_t a) { return t.substr(da, a - da); }

// The walk keeps the text as written: each item without its blanks, and
// after it its separator (blanks, then one comma or one line end), so that
// the items and what stands between them give back the record's bytes.
TEST(StrutturaSorgente, ItemsAndTheirSeparatorsGiveBackTheRecord) {
  const std::string t =
      "[Generale]\r\n"
      "velocita,  1250 ,\t100\r\n"
      "rallentamento,  259150\n"
      "    90,  450, 0,  0,  60\r"
      "stazione,   71450,  2,  700,  1, 1, 0,  4,1,1,  2,1,1,   60,  13,57, 0, PIACENZA  \r\n"
      "[fine]\r\n";
  const struttura_sorgente s = leggi_struttura(t, true);
  EXPECT_EQ(s.inizio_generale, 0u);
  EXPECT_EQ(s.interrotta, std::string::npos);
  ASSERT_EQ(s.record.size(), 3u);
  const record_struttura& v = s.record[0];
  EXPECT_EQ(v.forma->genere, genere_record::velocita);
  EXPECT_EQ(tra(t, v.inizio, v.fine), "velocita");
  ASSERT_EQ(v.campi.size(), 2u);
  EXPECT_EQ(tra(t, v.fine, v.campi[0].inizio), ",  ");
  EXPECT_EQ(tra(t, v.campi[0].inizio, v.campi[0].fine), "1250");
  EXPECT_EQ(tra(t, v.campi[0].fine, v.campi[0].dopo), " ,");
  EXPECT_EQ(v.campi[1].numero, 100);
  EXPECT_EQ(tra(t, v.campi[1].fine, v.campi[1].dopo), "\r\n");
  // A record short of items on its line: the rest from the next, at their lines.
  const record_struttura& r = s.record[1];
  ASSERT_TRUE(r.completo());
  EXPECT_EQ(tra(t, r.campi[0].fine, r.campi[0].dopo), "\n");
  EXPECT_EQ(s.righe.riga(r.inizio), 2u);
  EXPECT_EQ(s.righe.riga(r.campi[1].inizio), 3u);
  EXPECT_EQ(r.campi[5].numero, 60);
  EXPECT_EQ(tra(t, r.campi[5].fine, r.campi[5].dopo), "\r");
  // A text item ends at the line end, its trailing blanks in the separator.
  const record_struttura& st = s.record[2];
  EXPECT_EQ(st.campi.back().testo, "PIACENZA");
  EXPECT_EQ(tra(t, st.campi.back().fine, st.campi.back().dopo), "  \r\n");
  EXPECT_EQ(s.righe.riga(st.inizio), 4u);
  // Each record's bytes are its items and separators, end to end.
  for (const record_struttura& x : s.record) {
    std::size_t a = x.dopo;
    for (const voce_record& c : x.campi) {
      EXPECT_LE(a, c.inizio);
      EXPECT_EQ(t.find_first_not_of(" \t", a), c.inizio);
      a = c.dopo;
    }
  }
}

// The file ending inside a record, or a number the compiler refuses, stops
// the walk where the compiler's read fails.
TEST(StrutturaSorgente, TheWalkStopsWhereTheReadFails) {
  const std::string corto = "[generale]\r\nvelocita, 0, 30\r\nrallentamento, 259150, 90\r\n";
  const struttura_sorgente a = leggi_struttura(corto, true);
  ASSERT_EQ(a.record.size(), 2u);
  EXPECT_FALSE(a.record[1].completo());
  EXPECT_EQ(a.righe.riga(a.interrotta), 2u);
  const std::string fuori = "[generale]\r\nvelocita, 0, 30\r\nsegnale, 99999999999, 2\r\nvelocita, 1, 2\r\n[fine]";
  const struttura_sorgente b = leggi_struttura(fuori, true);
  ASSERT_EQ(b.record.size(), 1u);
  EXPECT_EQ(b.interrotta, fuori.find("99999999999"));
  // No [generale]: nothing is read.
  const struttura_sorgente c = leggi_struttura("velocita, 0, 30\r\n[fine]", true);
  EXPECT_TRUE(c.record.empty());
  EXPECT_EQ(c.inizio_generale, std::string::npos);
}

}  // namespace
