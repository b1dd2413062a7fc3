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
  EXPECT_FALSE(a.rifiutata);
  // The refused read keeps the record it stopped in, with the fields before it.
  const std::string fuori =
      "[generale]\r\nvelocita, 0, 30\r\nrallentamento, 12.5, 99999999999, 2\r\nvelocita, 1, 2\r\n[fine]";
  const struttura_sorgente b = leggi_struttura(fuori, true);
  ASSERT_EQ(b.record.size(), 2u);
  EXPECT_EQ(b.record[1].forma->genere, genere_record::rallentamento);
  ASSERT_EQ(b.record[1].campi.size(), 1u);
  EXPECT_EQ(b.record[1].campi[0].numero, 12);
  EXPECT_EQ(b.interrotta, fuori.find("99999999999"));
  EXPECT_TRUE(b.rifiutata);
  // Rulers at the end of the line's general section: its reader reads on
  // past the last one and is refused.
  const std::string righello = "[generale]\r\nLunghezza percorso, 5000\r\n-------\r\n-------\r\n";
  const struttura_sorgente d = leggi_struttura(righello, false);
  EXPECT_TRUE(d.rifiutata);
  EXPECT_EQ(d.interrotta, righello.rfind("-------"));
  // No [generale]: nothing is read.
  const struttura_sorgente c = leggi_struttura("velocita, 0, 30\r\n[fine]", true);
  EXPECT_TRUE(c.record.empty());
  EXPECT_EQ(c.inizio_generale, std::string::npos);
}

// Every item the readers read is kept in order, with what it is to them:
// also those no record holds (before [generale], unknown words, rulers,
// what follows [fine], the last item).
TEST(StrutturaSorgente, EveryItemReadIsKeptWithItsRole) {
  const std::string t =
      "pendenza, 1\r\n"
      "[generale]\r\n"
      "Lunghezza percorso, 5000\r\n"
      "[curve]\r\n"
      "---, ---\r\n"
      "Curva, 100, 200, 300\r\n"
      "nebbia, 7\r"
      "[fine]\r\n"
      "montagna, 1, 2, 3\r\n"
      "pendenza";
  const struttura_sorgente s = leggi_struttura(t, false);
  struct atteso {
    const char* testo;
    ruolo_voce ruolo;
    bool generale, inizio_riga;
  };
  using R = ruolo_voce;
  const atteso attese[] = {
      {"pendenza", R::prima, false, true},   {"1", R::prima, false, false},
      {"[generale]", R::prima, false, true}, {"Lunghezza percorso", R::chiave, true, true},
      {"5000", R::campo, true, false},       {"[curve]", R::chiave, true, true},
      {"---", R::separatore, false, true},   {"---", R::separatore, false, false},
      {"Curva", R::chiave, false, true},     {"100", R::campo, false, false},
      {"200", R::campo, false, false},       {"300", R::chiave, false, false},
      {"nebbia", R::chiave, false, true},    {"7", R::chiave, false, false},
      {"[fine]", R::chiave, false, true},    {"montagna", R::chiave, false, true},
      {"1", R::campo, false, false},         {"2", R::campo, false, false},
      {"3", R::campo, false, false},         {"pendenza", R::ultima, false, true},
  };
  ASSERT_EQ(s.voci.size(), std::size(attese));
  for (std::size_t k = 0; k < s.voci.size(); ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(testo_voce(t, s.voci[k]), attese[k].testo);
    EXPECT_EQ(s.voci[k].ruolo, attese[k].ruolo);
    EXPECT_EQ(s.voci[k].generale, attese[k].generale);
    EXPECT_EQ(s.voci[k].inizio_riga, attese[k].inizio_riga);
  }
  // Consecutive: each item is read from where the one before it left off.
  for (std::size_t k = 1; k < s.voci.size(); ++k)
    EXPECT_EQ(t.find_first_not_of(" \t", s.voci[k - 1].dopo), s.voci[k].inizio);
  EXPECT_EQ(s.fine_generale, t.find("[curve]"));
  ASSERT_EQ(s.record.size(), 3u);
  EXPECT_EQ(s.record[2].forma->genere, genere_record::montagna);
  // Without the plan a curve is no record: its items are examined one by one.
  const struttura_sorgente senza = leggi_struttura(t, false, false);
  ASSERT_EQ(senza.record.size(), 2u);
  EXPECT_EQ(senza.voci[9].ruolo, R::chiave);
  EXPECT_EQ(testo_voce(t, senza.voci[9]), "100");
}

// The item's end as read: a number stops at a blank, a text runs to the comma.
TEST(StrutturaSorgente, TheEndOfTheItemAtAnOffset) {
  const std::string t =
      "[generale]\r\nstazione, 12 34, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 0, Val di Sole  \r\n[fine]";
  const struttura_sorgente s = leggi_struttura(t, true);
  const std::size_t numero = t.find("12 34"), nome = t.find("Val di");
  EXPECT_EQ(fine_voce_a(s, numero), numero + 2);
  EXPECT_EQ(fine_voce_a(s, numero + 1), numero + 2);
  EXPECT_EQ(fine_voce_a(s, nome), nome + std::string("Val di Sole").size());
  EXPECT_EQ(fine_voce_a(s, t.size()), t.size());
  EXPECT_EQ(fine_voce_a(s, t.find("\r\n")), t.find("\r\n"));
}

// A record's line on its own, as the manual of the format reads its examples.
TEST(StrutturaSorgente, OneRecordsLine) {
  const forma_record& r = forma_di_genere(genere_record::velocita);
  const std::string riga = "velocita, 1250.5 m, 100\r\n";
  const record_struttura letto = leggi_riga_record(r, riga);
  ASSERT_EQ(letto.campi.size(), 2u);
  EXPECT_EQ(letto.campi[0].numero, 1250);
  EXPECT_EQ(riga.substr(letto.campi[0].inizio, letto.campi[0].fine - letto.campi[0].inizio), "1250.5");
  EXPECT_EQ(leggi_riga_record(r, "velocita, 99999999999, 1\r\n").campi.size(), 0u);
  EXPECT_TRUE(leggi_riga_record(r, "").campi.empty());
}

}  // namespace
