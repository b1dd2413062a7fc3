// The tool's entry as a user meets it: the help texts and the exit status of
// a bad command line.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "test_support/cartella_temporanea.h"
#include "test_support/form_di_prova.h"

namespace {

struct uscita_main_aiuto {
  int stato = -1;
  std::string out, err;
};

uscita_main_aiuto esegui_tool(const std::vector<std::string>& argomenti) {
  cartella_temporanea log;
  std::string riga = std::string("'") + VELSTRA_TOOL + "'";
  for (const auto& a : argomenti) riga += " '" + a + "'";
  riga += " >'" + (log.percorso / "out").string() + "' 2>'" + (log.percorso / "err").string() + "'";
  const int r = std::system(riga.c_str());
  return {WIFEXITED(r) ? WEXITSTATUS(r) : -1, leggi_tutto(log.percorso / "out"), leggi_tutto(log.percorso / "err")};
}

TEST(ScenarioAiuto, EveryCommandHasItsHelpAndIsListed) {
  const uscita_main_aiuto generale = esegui_tool({"--help"});
  EXPECT_EQ(generale.stato, 0);
  for (const std::string comando :
       {"compile", "extract", "nuovo", "check", "inspect", "plot", "documents", "pack", "formato", "allinea"}) {
    EXPECT_NE(generale.out.find("  " + comando + " "), std::string::npos) << comando;
    const uscita_main_aiuto u = esegui_tool({comando, "--help"});
    EXPECT_EQ(u.stato, 0) << comando;
    EXPECT_EQ(u.out.rfind("uso: scenario " + comando, 0), 0u) << u.out;
    EXPECT_EQ(u.err, "");
  }
}

// An 80-column console wraps a line of 80 characters or more: every line of
// help fits in 79, counted in characters (the accents are two bytes each).
TEST(ScenarioAiuto, EveryHelpLineFitsAnEightyColumnConsole) {
  for (const std::string comando : {"", "compile", "extract", "nuovo", "check", "inspect", "plot", "view", "documents",
                                    "pack", "formato", "allinea"}) {
    const uscita_main_aiuto u =
        esegui_tool(comando.empty() ? std::vector<std::string>{"--help"} : std::vector<std::string>{comando, "--help"});
    std::size_t da = 0;
    while (da < u.out.size()) {
      std::size_t fine = u.out.find('\n', da);
      if (fine == std::string::npos) fine = u.out.size();
      const std::string riga = u.out.substr(da, fine - da);
      std::size_t caratteri = 0;
      for (unsigned char c : riga) caratteri += (c & 0xC0) != 0x80;
      EXPECT_LE(caratteri, 79u) << "scenario " << comando << " --help: " << riga;
      da = fine + 1;
    }
  }
}

TEST(ScenarioAiuto, BadCommandLinesAreUsageErrorsOnStderr) {
  const std::vector<std::vector<std::string>> casi = {
      {}, {"unknown"}, {"inspect", "/"}, {"check", "/", "a/b", "1"}, {"plot", "/", "R", "1"}, {"extract"}};
  for (const auto& argomenti : casi) {
    const uscita_main_aiuto u = esegui_tool(argomenti);
    EXPECT_EQ(u.stato, 64) << (argomenti.empty() ? "" : argomenti[0]);
    EXPECT_EQ(u.out, "");
    EXPECT_NE(u.err.find("uso: scenario"), std::string::npos) << u.err;
  }
}

TEST(ScenarioAiuto, VersionNamesTheToolAndItsVersion) {
  const uscita_main_aiuto u = esegui_tool({"--version"});
  EXPECT_EQ(u.stato, 0);
  EXPECT_EQ(u.out, std::string("scenario ") + SCENARIO_VERSIONE + "\n");
  EXPECT_NE(std::string(SCENARIO_VERSIONE).find('.'), std::string::npos);
  EXPECT_EQ(u.err, "");
}

}  // namespace
