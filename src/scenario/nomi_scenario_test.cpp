#include "scenario/nomi_scenario.h"

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
      {"a/b", "path separator"},
      {"/etc", "path separator"},
      {"a\\b", "path separator"},
      {"..", "\"..\""},
      {"a..b", "\"..\""},
      {"C:", "drive prefix"},
      {"c:x", "drive prefix"},
      {"1:x", ""},
      {"a\tb", "control character"},
      {"a\nb", "control character"},
      {std::string("a\0b", 3), "control character"},
      {"a\x7F", "control character"},
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
