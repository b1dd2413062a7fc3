#include "scenario/lsp/documento.h"

#include <gtest/gtest.h>

namespace {

// "città" is 5 characters and 5 bytes in Windows-1252 (6 in UTF-8); an emoji
// is 2 UTF-16 units and one '?' byte.
TEST(Documento, MapsTheEditorsColumnsToTheFilesBytes) {
  const documento d("file:///x/a_linea.txt", 1, "citt\xC3\xA0, 12\r\nx\xF0\x9F\x98\x80y, 7\nz\rfine");
  EXPECT_EQ(d.byte(), "citt\xE0, 12\r\nx?y, 7\nz\rfine");
  EXPECT_EQ(d.non_rappresentabili(), std::vector<std::size_t>{12});
  struct caso {
    std::size_t riga, carattere, offset;
  };
  const caso casi[] = {
      {0, 0, 0},  {0, 4, 4},  {0, 5, 5},  {0, 7, 7},  // after the accent, one column a byte
      {1, 1, 12}, {1, 3, 13}, {1, 6, 16},             // after the emoji, two columns a byte
      {2, 0, 18}, {3, 4, 24},                         // LF and CR alone end lines too
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(std::to_string(c.riga) + ":" + std::to_string(c.carattere));
    EXPECT_EQ(d.offset_di({c.riga, c.carattere}), c.offset);
    const posizione_lsp p = d.posizione_di(c.offset);
    EXPECT_EQ(p.riga, c.riga);
    EXPECT_EQ(p.carattere, c.carattere);
  }
  // Past the end of a line: the line's end; past the last line: the end.
  EXPECT_EQ(d.offset_di({0, 99}), 9u);
  EXPECT_EQ(d.offset_di({9, 0}), d.byte().size());
}

TEST(Documento, AByteOrderMarkIsOneColumnAndNoByte) {
  const documento d("file:///x/a_linea.txt", 1,
                    "\xEF\xBB\xBF"
                    "ab\r\ncd");
  EXPECT_TRUE(d.con_bom());
  EXPECT_EQ(d.byte(), "ab\r\ncd");
  EXPECT_EQ(d.offset_di({0, 1}), 0u);
  EXPECT_EQ(d.posizione_di(1).carattere, 2u);
  EXPECT_EQ(d.posizione_di(5).carattere, 1u);
}

TEST(Documento, IncrementalChangesAcrossLines) {
  documento d("file:///x/a_linea.txt", 1, "uno\r\ndu\xC3\xA8\r\ntre");
  d.modifica(2, {{1, 3}, {2, 1}}, "!\r\nT");  // after "duè" up to after "t"
  EXPECT_EQ(d.utf8(), "uno\r\ndu\xC3\xA8!\r\nTre");
  EXPECT_EQ(d.versione(), 2);
  d.modifica(3, {{0, 0}, {0, 0}}, "\xC3\xA0");
  EXPECT_EQ(d.byte(), "\xE0uno\r\ndu\xE8!\r\nTre");
  d.modifica(4, {{2, 3}, {7, 0}}, "!");  // a range past the end is clamped
  EXPECT_EQ(d.byte(), "\xE0uno\r\ndu\xE8!\r\nTre!");
  d.sostituisci(5, "nuovo");
  EXPECT_EQ(d.byte(), "nuovo");
  EXPECT_EQ(d.righe(), 1u);
}

}  // namespace
