#include "base/nomi_scenario.h"

#include <gtest/gtest.h>

#include "base/nomi_file.h"

namespace {

TEST(NomiScenario, ANameIsRefusedWhenNoFileSystemTakesItAsOneName) {
  struct caso {
    std::string nome;
    const char* motivo;  // "" when valid
  };
  const caso casi[] = {
      {"Velstra_Ordoven", ""},
      {"318", ""},
      {"a.b", ""},
      {"a..b", ""},
      {"Citt\xE0", ""},
      {"Citt\xC3\xA0", ""},
      {"-", ""},
      {"R_1", ""},
      {"CONSOLE", ""},
      {"COM0", ""},
      {std::string(200, 'x'), ""},
      {"", "vuoto"},
      {".", "\".\""},
      {"..", "\"..\""},
      {std::string(201, 'x'), "200"},
      {"a/b", "separatore di percorso"},
      {"/etc", "separatore di percorso"},
      {"a\\b", "separatore di percorso"},
      {"C:", "':'"},
      {"Ve:x", "':'"},
      {"a*", "'*'"},
      {"a?", "'?'"},
      {"a\"b", "'\"'"},
      {"<a", "'<'"},
      {"a>", "'>'"},
      {"a|b", "'|'"},
      {"a\tb", "carattere di controllo"},
      {"a\nb", "carattere di controllo"},
      {std::string("a\0b", 3), "carattere di controllo"},
      {"a\x7F", "carattere di controllo"},
      {"CON", "Windows"},
      {"nul", "Windows"},
      {"Aux.txt", "Windows"},
      {"prn", "Windows"},
      {"COM1", "Windows"},
      {"lpt9", "Windows"},
  };
  for (const auto& c : casi) {
    const stato s = controlla_nome(c.nome);
    if (*c.motivo == '\0') {
      EXPECT_TRUE(s.ok()) << c.nome << ": " << s.messaggio();
    } else {
      ASSERT_FALSE(s.ok()) << c.nome;
      EXPECT_NE(s.messaggio().find(c.motivo), std::string::npos) << c.nome << ": " << s.messaggio();
    }
  }
}

TEST(NomiScenario, ATrainFileNameIsReadBackByTheRoutesOfItsFolder) {
  struct caso {
    const char* radice;
    std::vector<std::string> cartella;
    const char *percorso, *treno;  // percorso nullptr: refused, treno holds what the refusal says
  };
  const caso casi[] = {
      {"Velstra_Ordoven_318", {"Velstra_Ordoven_linea.txt"}, "Velstra_Ordoven", "318"},
      {"Alpha_R_1", {"Alpha_linea.txt"}, "Alpha", "R_1"},
      {"Alpha_R_1", {"Alpha_R_linea.txt"}, "Alpha_R", "1"},
      {"Alpha_R_1", {"Alpha_R_linea.dat", "Alpha_R_1.sim"}, "Alpha_R", "1"},
      {"A_1", {}, "A", "1"},  // one reading: nothing to choose
      {"A_1", {"B_linea.txt"}, "A", "1"},
      {"Alpha_R_1", {}, nullptr, "nessun file ROUTE_linea.txt"},
      {"Alpha_R_1", {"Beta_linea.txt"}, nullptr, "nessun file ROUTE_linea.txt"},
      {"Alpha_R_1", {"Alpha_linea.txt", "Alpha_R_linea.txt"}, nullptr, "in pi\xC3\xB9 modi (Alpha R_1, Alpha_R 1)"},
      {"A", {"A_linea.txt"}, nullptr, "non si legge come ROUTE_TRAIN"},
      {"A_", {"A_linea.txt"}, nullptr, "non si legge come ROUTE_TRAIN"},
      {"_1", {}, nullptr, "non si legge come ROUTE_TRAIN"},
      {"CON_1", {"CON_linea.txt"}, nullptr, "non si legge come ROUTE_TRAIN"},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.radice);
    nomi_scenario n;
    const stato s = leggi_nomi_treno(c.radice, percorsi_della_cartella(c.cartella), n);
    if (c.percorso) {
      ASSERT_TRUE(s.ok()) << s.messaggio();
      EXPECT_EQ(n.nome_percorso, c.percorso);
      EXPECT_EQ(n.numero_treno, c.treno);
      // Read back, the names build the same file name.
      EXPECT_EQ(file_treno(n), std::string(c.radice) + "-.txt");
    } else {
      ASSERT_FALSE(s.ok());
      EXPECT_EQ(s.messaggio().rfind(std::string(c.radice) + ": ", 0), 0u) << s.messaggio();
      EXPECT_NE(s.messaggio().find(c.treno), std::string::npos) << s.messaggio();
    }
  }
}

}  // namespace
