#include "scenario/comandi/nomi_scenario.h"

#include <gtest/gtest.h>

namespace {

TEST(NomiScenario, NamesThatCouldLeaveTheFolderAreRefused) {
  struct caso {
    std::string nome;
    const char* motivo;  // "" when valid
  };
  const caso casi[] = {
      {"Velstra_Ordoven", ""},
      {"318", ""},
      {"", ""},
      {"a.b", ""},
      {"Citt\xE0", ""},
      {"ab:c", ""},
      {"-", ""},
      {"a/b", "separatore di percorso"},
      {"/etc", "separatore di percorso"},
      {"a\\b", "separatore di percorso"},
      {"..", "\"..\""},
      {"a..b", "\"..\""},
      {"C:", "lettera di unit\xC3\xA0"},
      {"c:x", "lettera di unit\xC3\xA0"},
      {"1:x", ""},
      {"a\tb", "carattere di controllo"},
      {"a\nb", "carattere di controllo"},
      {std::string("a\0b", 3), "carattere di controllo"},
      {"a\x7F", "carattere di controllo"},
  };
  for (const auto& c : casi) {
    const std::string motivo = motivo_nome_non_valido(c.nome);
    if (*c.motivo == '\0') {
      EXPECT_EQ(motivo, "") << c.nome;
    } else {
      EXPECT_NE(motivo.find(c.motivo), std::string::npos) << c.nome << ": " << motivo;
    }
  }
}

}  // namespace
