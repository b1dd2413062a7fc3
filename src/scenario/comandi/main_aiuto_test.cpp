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

struct uscita {
  int stato = -1;
  std::string out, err;
};

uscita esegui_tool(const std::vector<std::string>& argomenti) {
  cartella_temporanea log;
  std::string riga = std::string("'") + VELSTRA_TOOL + "'";
  for (const auto& a : argomenti) riga += " '" + a + "'";
  riga += " >'" + (log.percorso / "out").string() + "' 2>'" + (log.percorso / "err").string() + "'";
  const int r = std::system(riga.c_str());
  return {WIFEXITED(r) ? WEXITSTATUS(r) : -1, leggi_tutto(log.percorso / "out"), leggi_tutto(log.percorso / "err")};
}

TEST(ScenarioAiuto, EveryCommandHasItsHelpAndIsListed) {
  const uscita generale = esegui_tool({"--help"});
  EXPECT_EQ(generale.stato, 0);
  for (const std::string comando : {"compile", "extract", "check", "inspect", "plot"}) {
    EXPECT_NE(generale.out.find("  " + comando + " "), std::string::npos) << comando;
    const uscita u = esegui_tool({comando, "--help"});
    EXPECT_EQ(u.stato, 0) << comando;
    EXPECT_EQ(u.out.rfind("uso: scenario " + comando, 0), 0u) << u.out;
    EXPECT_EQ(u.err, "");
  }
}

TEST(ScenarioAiuto, BadCommandLinesAreUsageErrorsOnStderr) {
  const std::vector<std::vector<std::string>> casi = {
      {}, {"unknown"}, {"inspect", "/"}, {"check", "/", "a/b", "1"}, {"plot", "/", "R", "1"}, {"extract"}};
  for (const auto& argomenti : casi) {
    const uscita u = esegui_tool(argomenti);
    EXPECT_EQ(u.stato, 64) << (argomenti.empty() ? "" : argomenti[0]);
    EXPECT_EQ(u.out, "");
    EXPECT_NE(u.err.find("uso: scenario"), std::string::npos) << u.err;
  }
}

TEST(ScenarioAiuto, VersionNamesTheToolAndItsVersion) {
  const uscita u = esegui_tool({"--version"});
  EXPECT_EQ(u.stato, 0);
  EXPECT_EQ(u.out, std::string("scenario ") + SCENARIO_VERSIONE + "\n");
  EXPECT_NE(std::string(SCENARIO_VERSIONE).find('.'), std::string::npos);
  EXPECT_EQ(u.err, "");
}

}  // namespace
