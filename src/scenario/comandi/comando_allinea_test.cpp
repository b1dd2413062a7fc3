#include "scenario/comandi/comando_allinea.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "test_support/cartella_temporanea.h"
#include "test_support/testo_di_prova.h"

namespace {

struct esito {
  int stato = 0;
  std::string out, err;
};

esito allinea(const std::vector<std::string>& argomenti) {
  std::ostringstream out, err;
  const int s = comando_allinea(argomenti, out, err);
  return {s, out.str(), err.str()};
}

const std::string linea_prima_allinea =
    "[generale]\r\nlunghezza percorso,    3000\r\n[pendenze]\r\npendenza,  0,  0\r\npendenza,  1500,  -3\r\n[fine]\r\n";
const std::string linea_dopo =
    "[generale]\r\nlunghezza percorso, 3000\r\n[pendenze]\r\npendenza,    0,  0\r\npendenza, 1500, -3\r\n[fine]\r\n";
const std::string treno_allineato_atteso = "[generale]\r\nvelocita,    0, 30\r\nvelocita, 1250, 90\r\n[fine]\r\n";

// The line file changes and is kept as .bak byte for byte; the aligned
// train file is not written. A second run changes nothing and keeps nothing.
TEST(ComandoAllinea, AlignsInPlaceAndKeepsTheFileBefore) {
  cartella_temporanea dir;
  const auto d = dir.percorso;
  scrivi_tutto(d / "R_linea.txt", linea_prima_allinea);
  scrivi_tutto(d / "R_7-.txt", treno_allineato_atteso);
  const auto ora_treno = std::filesystem::last_write_time(d / "R_7-.txt");
  const esito e = allinea({d.string(), "R", "7"});
  EXPECT_EQ(e.stato, 0) << e.err;
  EXPECT_EQ(e.out, "");
  EXPECT_EQ(leggi_tutto(d / "R_linea.txt"), linea_dopo);
  EXPECT_EQ(leggi_tutto(d / "R_linea.txt.bak"), linea_prima_allinea);
  EXPECT_EQ(leggi_tutto(d / "R_7-.txt"), treno_allineato_atteso);
  EXPECT_EQ(std::filesystem::last_write_time(d / "R_7-.txt"), ora_treno);
  EXPECT_FALSE(std::filesystem::exists(d / "R_7-.txt.bak"));
  EXPECT_TRUE(contiene(e.err, "conservato come R_linea.txt.bak"));
  EXPECT_TRUE(contiene(e.err, "allineato R_linea.txt\n"));
  EXPECT_TRUE(contiene(e.err, "R_7-.txt \xC3\xA8 gi\xC3\xA0 allineato\n"));

  const esito ancora = allinea({d.string(), "R", "7"});
  EXPECT_EQ(ancora.stato, 0);
  EXPECT_EQ(leggi_tutto(d / "R_linea.txt"), linea_dopo);
  EXPECT_EQ(leggi_tutto(d / "R_linea.txt.bak"), linea_prima_allinea);
  EXPECT_FALSE(std::filesystem::exists(d / "R_linea.txt.2.bak"));
  EXPECT_TRUE(non_contiene(ancora.err, "conservato"));
}

// A .bak already there is not overwritten: the next name is taken.
TEST(ComandoAllinea, AnEarlierBackupStays) {
  cartella_temporanea dir;
  const auto d = dir.percorso;
  scrivi_tutto(d / "R_linea.txt", linea_prima_allinea);
  scrivi_tutto(d / "R_linea.txt.bak", "di ieri");
  scrivi_tutto(d / "R_7-.txt", treno_allineato_atteso);
  EXPECT_EQ(allinea({d.string(), "R", "7"}).stato, 0);
  EXPECT_EQ(leggi_tutto(d / "R_linea.txt.bak"), "di ieri");
  EXPECT_EQ(leggi_tutto(d / "R_linea.txt.2.bak"), linea_prima_allinea);
}

TEST(ComandoAllinea, ExitStatus) {
  cartella_temporanea dir;
  const auto d = dir.percorso;
  scrivi_tutto(d / "R_linea.txt", linea_prima_allinea);
  struct caso {
    std::vector<std::string> argomenti;
    int stato;
  };
  const caso casi[] = {
      {{d.string(), "R", "7"}, 2},               // no train file
      {{(d / "manca").string(), "R", "7"}, 2},   // no folder
      {{d.string(), "R"}, 64},                   // a word missing
      {{d.string(), "R", "7", "--strict"}, 64},  // no such option
  };
  for (const caso& c : casi) {
    const esito e = allinea(c.argomenti);
    EXPECT_EQ(e.stato, c.stato) << c.argomenti.size() << e.err;
  }
  EXPECT_EQ(leggi_tutto(d / "R_linea.txt"), linea_prima_allinea);
}

}  // namespace
