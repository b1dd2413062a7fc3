#include "scenario/lsp/completamento.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> etichette(const std::string& byte, bool treno, std::size_t offset) {
  const completamento c = completa(byte, leggi_struttura(byte, treno), treno, offset);
  std::vector<std::string> v;
  for (const proposta& p : c.proposte) v.push_back(p.etichetta);
  return v;
}

bool offre(const std::vector<std::string>& v, const std::string& e) {
  return std::find(v.begin(), v.end(), e) != v.end();
}

// The readers take the general header in any letter case: so does the
// completion, which offers the file's records after it.
TEST(Completamento, TheGeneralHeaderCountsInAnyLetterCase) {
  for (const std::string intestazione : {"[generale]", "[GENERALE]", "[Generale]", "  [gEnErAle] "}) {
    SCOPED_TRACE(intestazione);
    const std::string treno = "; treno\r\n" + intestazione + "\r\n\r\nsegnale, 100, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0\r\n";
    const std::size_t vuota = treno.find("\r\n\r\n") + 2;
    const std::vector<std::string> dopo = etichette(treno, true, vuota);
    EXPECT_TRUE(offre(dopo, "segnale"));
    EXPECT_FALSE(offre(dopo, "[generale]"));
    // Before the header, only the header.
    EXPECT_EQ(etichette(treno, true, 0), std::vector<std::string>{"[generale]"});
  }
  // The line file: the general keys after a header in capitals and lower case.
  const std::string linea = "[Generale]\r\n\r\n[Curve]\r\n\r\ncurvas1, 100, 200, 300\r\n";
  EXPECT_TRUE(offre(etichette(linea, false, linea.find("\r\n\r\n") + 2), "lunghezza percorso"));
  EXPECT_TRUE(offre(etichette(linea, false, linea.find("\r\n\r\ncurvas1") + 2), "pendenza"));
  // No header at all: only the header is offered.
  EXPECT_EQ(etichette("\r\nsegnale, 1\r\n", true, 0), std::vector<std::string>{"[generale]"});
}

}  // namespace
