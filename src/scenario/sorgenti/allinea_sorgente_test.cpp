#include "scenario/sorgenti/allinea_sorgente.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct caso_allinea {
  const char* nome;
  bool treno;
  std::string prima, dopo;
};

const std::string gen = "[generale]\r\n";

// What an author writes and what the layout makes of it.
const caso_allinea casi_allinea[] = {
    {"a run's columns: numbers to the right", true,
     gen + "velocita,   0,    30\r\nvelocita,    1250,   100\r\n[fine]\r\n",
     gen + "velocita,    0,  30\r\nvelocita, 1250, 100\r\n[fine]\r\n"},
    {"the widest keyword sets the fields' column", true, gen + "velocita, 0, 30\r\nvelocita massima, 1250, 100\r\n",
     gen + "velocita,            0,  30\r\nvelocita massima, 1250, 100\r\n"},
    {"another kind, a comment or a free line ends a run", true,
     gen + "aderenza, 0, 99\r\nvelocita,  10,  5\r\n; nota\r\nvelocita, 1250,  100\r\n\r\n  velocita, 7, 8  \r\n",
     gen + "aderenza, 0, 99\r\nvelocita, 10, 5\r\n; nota\r\nvelocita, 1250, 100\r\n\r\nvelocita, 7, 8\r\n"},
    {"texts to the left, the last one unpadded; the general section too", false,
     gen + "lunghezza percorso,    20000\r\n[indicazioni]\r\ncartello_indicatore,  1700,   (P.253)\r\n"
           "cartello_indicatore, 25,  a \xE0 b  \r\n[fine]\r\n",
     gen + "lunghezza percorso, 20000\r\n[indicazioni]\r\ncartello_indicatore, 1700, (P.253)\r\n"
           "cartello_indicatore,   25, a \xE0 b\r\n[fine]\r\n"},
    {"LF and CR line ends and tabs", true, gen + "velocita,\t0,\t30\nvelocita, 1250, 100\rvelocita, 2,3",
     gen + "velocita,    0,  30\nvelocita, 1250, 100\rvelocita,    2,   3"},
    {"an empty field keeps its column", true, gen + "velocita, , 30\r\nvelocita, 1250,\r\n",
     gen + "velocita,     , 30\r\nvelocita, 1250,\r\n"},
    {"records sharing a line part at their commas, by the line's own end", true,
     gen + "velocita,  0,  30, velocita,  1250,  100\naderenza, 0, 99 ,velocita, 5, 6\r\nvelocita, 7, 8",
     gen + "velocita,    0,  30\nvelocita, 1250, 100\naderenza, 0, 99\r\nvelocita, 5, 6\r\nvelocita, 7, 8"},
    // Kept as written: a record sharing its line with another item, a
    // record over two lines, numbers parted by blanks, a slip (the letter
    // O), an empty last field at the end of the file.
    {"a record and another item on one line", true, gen + "velocita,  0,  30, 7, velocita,  1250,  100\r\n",
     gen + "velocita,  0,  30, 7, velocita,  1250,  100\r\n"},
    {"a record over two lines", true, gen + "velocita,  0\r\n  30\r\nvelocita,  1,  2\r\n",
     gen + "velocita,  0\r\n  30\r\nvelocita, 1, 2\r\n"},
    {"numbers parted by blanks", true, gen + "orologio,    13              14            15 \r\n",
     gen + "orologio,    13              14            15 \r\n"},
    {"a slip stays in the middle of its run", true,
     gen + "velocita,  0,  30\r\nvelocita,  6OO0,  30\r\nvelocita,  1250,  100\r\n",
     gen + "velocita, 0, 30\r\nvelocita,  6OO0,  30\r\nvelocita, 1250, 100\r\n"},
    {"an empty last field at the end of the file", true, gen + "velocita,  0,  ", gen + "velocita,  0,  "},
    {"a comma that ends the file", true, gen + "velocita,  0,  30,", gen + "velocita,  0,  30,"},
    // A number the compiler refuses stops it: the rest is as it was.
    {"from a refused read on", true, gen + "velocita,  0,  30\r\nvelocita,  99999999999,  30\r\nvelocita,  1,  2\r\n",
     gen + "velocita, 0, 30\r\nvelocita,  99999999999,  30\r\nvelocita,  1,  2\r\n"},
    {"before [generale] nothing is a record", true, "velocita,  0,  30\r\n" + gen, "velocita,  0,  30\r\n" + gen},
};

TEST(AllineaSorgente, LaysOutEachCase) {
  for (const caso_allinea& c : casi_allinea) {
    SCOPED_TRACE(c.nome);
    EXPECT_EQ(allinea_sorgente(c.prima, c.treno), c.dopo);
    EXPECT_EQ(allinea_sorgente(c.dopo, c.treno), c.dopo);
  }
}

// The lines handed to an editor are the changed ones, each its content
// without its line end.
TEST(AllineaSorgente, GivesTheChangedLinesOnly) {
  const std::string t = gen + "velocita, 0, 30\r\nvelocita,  1,  2\r\n";
  const std::vector<riga_allineata> righe = righe_allineate(t, leggi_struttura(t, true));
  ASSERT_EQ(righe.size(), 1u);
  EXPECT_EQ(righe[0].riga, 2u);
  EXPECT_EQ(t.substr(righe[0].inizio, righe[0].fine - righe[0].inizio), "velocita,  1,  2");
  EXPECT_EQ(righe[0].testo, "velocita, 1,  2");
  EXPECT_EQ(applica_righe(t, righe), gen + "velocita, 0, 30\r\nvelocita, 1,  2\r\n");
  // What stands between its items alone: the blanks after the second comma stay.
  const std::vector<separatori_allineati> b = separatori_cambiati(t, righe[0]);
  ASSERT_EQ(b.size(), 1u);
  EXPECT_EQ(t.substr(b[0].inizio, b[0].fine - b[0].inizio), ",  ");
  EXPECT_EQ(b[0].inizio, t.find(",  1"));
  EXPECT_EQ(b[0].testo, ", ");
}

}  // namespace
