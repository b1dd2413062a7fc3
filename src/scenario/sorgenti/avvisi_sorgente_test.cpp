#include "scenario/sorgenti/avvisi_sorgente.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "compiler/lettore_voci.h"
#include "scenario/sorgenti/avvisi_di_prova.h"

namespace {

using namespace avvisi_di_prova;

std::string codici(const std::vector<avviso>& v) {
  std::string s;
  for (const avviso& a : v) s += a.codice + " (" + a.messaggio + ")\n";
  return s;
}

// The embedded sources are written as the compiler means them: its empty
// second speeds of a board and its "AC" code points are the format's own.
TEST(AvvisiSorgente, TheEmbeddedSourcesGiveNone) {
  const std::string linea = con_righe(righe_linea(), 1, 0, ""), treno = con_righe(righe_treno(), 1, 0, "");
  for (const bool con_piano : {true, false}) EXPECT_EQ(codici(avvisi_linea(linea, con_piano)), "");
  EXPECT_EQ(codici(avvisi_treno(treno)), "");
}

TEST(AvvisiSorgente, EachCaseIsWarnedAtItsLineAndColumn) {
  for (const caso_avviso& c : avvisi_di_prova::casi) {
    const std::string testo = c.nel_treno ? treno_di(c) : linea_di(c);
    const std::vector<avviso> v = c.nel_treno ? avvisi_treno(testo) : avvisi_linea(testo, true);
    ASSERT_EQ(v.size(), 1u) << c.nome << "\n" << codici(v);
    EXPECT_EQ(v[0].codice, c.codice) << c.nome;
    EXPECT_EQ(v[0].riga, c.riga) << c.nome;
    EXPECT_EQ(v[0].colonna, c.colonna) << c.nome;
  }
}

// A number item of a general key, as the author may write it.
TEST(AvvisiSorgente, NumberItemsAgainstWhatTheCompilerReads) {
  struct caso {
    const char* valore;
    const char* codice;  // "" for none
  };
  const caso casi_numeri[] = {
      {"241000", ""},
      {"-3", ""},
      {"+7", ""},
      {"99OO", "lettera-o"},  // an error of check: scivoloni_test.cpp
      {"1B0", "caratteri-dopo-numero"},
      {"12.5x", "caratteri-dopo-numero"},
      {"300.000", "separatore-migliaia"},
      {"1.234.567", "separatore-migliaia"},
      {"1234.567", "frazione"},
      {"300.00", "frazione"},
      {"0.5", "frazione"},
      {"", "valore-vuoto"},
      {"AC", "non-numero"},  // a code in letters only where the record takes one
      {".5", "non-numero"},
  };
  for (const caso& c : casi_numeri) {
    const std::string linea = "[generale]\r\nsfondo uno, " + std::string(c.valore) + "\r\n[fine]\r\n";
    const std::vector<avviso> v = avvisi_linea(linea, false);
    EXPECT_EQ(v.empty() ? "" : v[0].codice, c.codice) << c.valore << "\n" << codici(v);
    EXPECT_LE(v.size(), 1u) << c.valore;
  }
}

// Only bytes that are valid UTF-8 of more than one byte are taken for UTF-8.
TEST(AvvisiSorgente, TextInUtf8IsToldFromWindows1252) {
  struct caso {
    const char* testo;
    bool avviso;
  };
  const caso casi_testo[] = {
      {"N\xB0 14", false},         // Windows-1252 degree sign
      {"CITT\xC0", false},         // a lone lead byte
      {"N\xC2\xB0 14", true},      // UTF-8 degree sign
      {"\xC3\x92", true},          // UTF-8 O grave, read as two characters
      {"\xE2\x82\xAC 5", true},    // UTF-8 euro sign
      {"\xF0\x9F\x9A\x82", true},  // four bytes
      {"\xC0\x80", false},         // overlong: not UTF-8
      {"\xED\xA0\x80", false},     // a surrogate: not UTF-8
      {"\xE2\x82", false},         // cut short
  };
  for (const caso& c : casi_testo) {
    const std::string linea =
        "[generale]\r\nlunghezza percorso, 300000\r\n[indicazioni]\r\ncartello_indicatore,  1700,   " +
        std::string(c.testo) + "\r\n[fine]\r\n";
    const std::vector<avviso> v = avvisi_linea(linea, false);
    EXPECT_EQ(!v.empty() && v[0].codice == "utf8", c.avviso) << c.testo << "\n" << codici(v);
  }
}

// A file saved as UTF-8 with a byte-order mark: the mark is named, never
// quoted as the invisible character it is.
TEST(AvvisiSorgente, AByteOrderMarkIsNamedAsSuch) {
  const std::vector<avviso> v =
      avvisi_linea("\xEF\xBB\xBF[generale]\r\nlunghezza percorso, 300000\r\n[fine]\r\n", false);
  ASSERT_FALSE(v.empty());
  EXPECT_EQ(v[0].codice, "utf8");
  EXPECT_NE(v[0].messaggio.find("(BOM)"), std::string::npos) << v[0].messaggio;
  EXPECT_NE(v[0].messaggio.find("senza BOM"), std::string::npos) << v[0].messaggio;
  EXPECT_EQ(v[0].messaggio.find("\xEF\xBB\xBF"), std::string::npos) << "the mark itself is not quoted";
}

// A huge item (a file of one line with no commas) is quoted in a few dozen
// characters: the warnings of a 1 MB item stay short.
TEST(AvvisiSorgente, AHugeItemIsQuotedShort) {
  const std::string enorme = "3" + std::string(1'000'000, 'x');
  const std::vector<avviso> v = avvisi_treno("[generale]\r\nsabbia, " + enorme +
                                             "\r\nstazione,   71450,  2,  700,  1, 1, 0,  "
                                             "4,1,1,  2,1,1,   60,  13,57, 0, PIACENZA\r\n[fine]\r\n");
  std::size_t totale = 0;
  for (const avviso& a : v) totale += a.messaggio.size();
  ASSERT_FALSE(v.empty());
  EXPECT_LT(totale, 20'000u) << codici(v).substr(0, 400);
  EXPECT_NE(codici(v).find("(1000001 caratteri)"), std::string::npos) << codici(v).substr(0, 400);
}

// One warning per fault: what is left of a record on its line, or the values
// a short record takes from the next one, give no further warning.
TEST(AvvisiSorgente, AFaultIsWarnedOnce) {
  const std::string treno = "[generale]\r\nsegnale,  2800,  2, 4, 1\r\n1, 0, 2, 2, 1, 1, 0, 9, 9\r\n[fine]\r\n";
  const std::vector<avviso> v = avvisi_treno(treno);
  ASSERT_EQ(v.size(), 2u) << codici(v);
  EXPECT_EQ(v[0].codice, "senza-stazioni");  // at the start of the file: there is no [stazioni]
  EXPECT_EQ(v[1].codice, "record-corto");
}

// Many faults are counted past the first two hundred, not listed.
TEST(AvvisiSorgente, ManyWarningsAreCapped) {
  std::string treno = "[generale]\r\n";
  for (int k = 0; k < 1000; ++k) treno += "sabbia, 3x\r\n";
  treno += "stazione,   71450,  2,  700,  1, 1, 0,  4,1,1,  2,1,1,   60,  13,57, 0, PIACENZA\r\n[fine]\r\n";
  const std::vector<avviso> v = avvisi_treno(treno);
  ASSERT_EQ(v.size(), 201u);
  EXPECT_EQ(v.back().codice, "altri-avvisi");
  EXPECT_NE(v.back().messaggio.find("altri 800 avvisi"), std::string::npos) << v.back().messaggio;
}

// A slip is an error of check: past the cap it is still listed, so that
// check never ends clean for want of room.
TEST(AvvisiSorgente, ASlipIsListedPastTheCap) {
  std::string treno = "[generale]\r\n";
  for (int k = 0; k < 1000; ++k) treno += "sabbia, 3x\r\n";
  treno += "sabbie, 300\r\n";
  treno += "stazione,   71450,  2,  700,  1, 1, 0,  4,1,1,  2,1,1,   60,  13,57, 0, PIACENZA\r\n[fine]\r\n";
  const std::vector<avviso> v = avvisi_treno(treno);
  ASSERT_EQ(v.size(), 201u);
  const auto errore = std::find_if(v.begin(), v.end(), [](const avviso& a) { return a.errore; });
  ASSERT_NE(errore, v.end());
  EXPECT_EQ(errore->codice, "parola-vicina");
  EXPECT_EQ(errore->riga, 1002u);
}

// A comma after the last value is an empty item of its own.
TEST(AvvisiSorgente, ATrailingCommaIsAnEmptyItem) {
  const std::vector<avviso> v = avvisi_treno(
      "[generale]\r\nsabbia,    300,\r\nstazione,   71450,  2,  700,  1, 1, 0,  4,1,1,  "
      "2,1,1,   60,  13,57, 0, PIACENZA\r\n[fine]\r\n");
  ASSERT_EQ(v.size(), 1u) << codici(v);
  EXPECT_EQ(v[0].codice, "record-lungo");
  EXPECT_EQ(v[0].riga, 2u);
  EXPECT_EQ(v[0].colonna, 16u);
  EXPECT_NE(v[0].messaggio.find("virgola in più"), std::string::npos);
}

}  // namespace

// A read the compiler refuses ends the warnings there: what stands before it
// in its record is still warned about, nothing after it, and no missing
// station is told of a file the compiler does not read to the end.
TEST(AvvisiSorgente, ARefusedReadEndsTheWarnings) {
  const std::string treno =
      "[generale]\r\nvelocita, 0, 30\r\nrallentamento, 12.5, 99999999999, 2\r\nvelocita, 1, 2.5\r\n[fine]";
  const std::vector<avviso> v = avvisi_treno(treno);
  ASSERT_EQ(v.size(), 1u) << codici(v);
  EXPECT_EQ(v[0].codice, "frazione");
  EXPECT_EQ(v[0].riga, 3u);
  EXPECT_EQ(v[0].colonna, 16u);
}
