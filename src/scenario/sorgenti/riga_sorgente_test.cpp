#include "scenario/sorgenti/riga_sorgente.h"

#include <gtest/gtest.h>

#include <string>

namespace {

diagnostica collocata(const std::string& dati, std::size_t offset) {
  diagnostica d;
  colloca(d, "R_linea.txt", dati, indice_righe(dati), offset);
  return d;
}

// CR LF, a lone LF and a lone CR each end a line; the column counts bytes,
// a tab stays a tab under the line so that the caret lines up.
TEST(RigaSorgente, LineAndColumnCountEveryKindOfLineEnd) {
  const std::string dati = "a\r\nb\nc\rdd,\t\xE0x";
  const diagnostica d = collocata(dati, dati.size() - 1);
  ASSERT_TRUE(d.con_posizione);
  EXPECT_EQ(d.file, "R_linea.txt");
  EXPECT_EQ(d.riga, 4u);
  EXPECT_EQ(d.colonna, 6u);
  EXPECT_EQ(d.testo_riga, "dd,\t\xC3\xA0x");
  EXPECT_EQ(d.rientro, "   \t ");
}

// A line of a megabyte is shown as the part around the caret, with the bytes
// that print nothing escaped, and the caret still under the field.
TEST(RigaSorgente, ALongLineIsCutAroundTheCaretAndEscaped) {
  const std::string dati = "[generale]\r\n" + std::string(1 << 20, 'a') + "\x01" + "\x7F" + "99999999999" +
                           std::string(1 << 20, 'b') + "\r\n";
  const std::size_t offset = dati.find('9');
  const diagnostica d = collocata(dati, offset);
  EXPECT_EQ(d.riga, 2u);
  EXPECT_EQ(d.colonna, offset - 12 + 1);
  const std::string atteso = "..." + std::string(98, 'a') + "\\x01\\x7F99999999999" + std::string(89, 'b') + "...";
  EXPECT_EQ(d.testo_riga, atteso);
  EXPECT_EQ(d.rientro, std::string(atteso.find("999"), ' '));
}

// A short line is shown whole, with no cut marks; the caret may stand at its end.
TEST(RigaSorgente, AShortLineIsShownWhole) {
  const std::string dati = "x\r\nsegnale,  1800\r\n";
  const diagnostica d = collocata(dati, dati.find("\r\n", 3));
  EXPECT_EQ(d.riga, 2u);
  EXPECT_EQ(d.colonna, 15u);
  EXPECT_EQ(d.testo_riga, "segnale,  1800");
  EXPECT_EQ(d.rientro, std::string(14, ' '));
}

}  // namespace
