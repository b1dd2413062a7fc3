// docs/primo_scenario.md, the page that writes a first scenario step by step,
// held to the tools: its files are taken from the page and must check clean,
// compile and make their documents.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "content/scrivi_righe.h"
#include "scenario/comandi/comando_check.h"
#include "scenario/comandi/comando_compile.h"
#include "scenario/comandi/comando_documents.h"
#include "scenario/comandi/comando_nuovo.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/testo_di_prova.h"

namespace {

// The page's fenced blocks whose opening line says file=NAME, each appended
// to its file, lines ended by CR LF as the sources want.
std::map<std::string, std::string> file_della_pagina(const std::string& pagina) {
  std::map<std::string, std::string> file;
  std::istringstream in(pagina);
  std::string riga, nome;
  bool dentro = false;
  while (std::getline(in, riga)) {
    if (riga.rfind("```", 0) == 0) {
      const std::size_t n = riga.find("file=");
      nome = dentro || n == std::string::npos ? "" : riga.substr(n + 5);
      dentro = !dentro;
    } else if (dentro && !nome.empty()) {
      file[nome] += riga + "\r\n";
    }
  }
  return file;
}

struct esito_primo_scenario {
  int stato;
  std::string out, err;
};

template <class C>
esito_primo_scenario esegui(C comando, const std::vector<std::string>& argomenti) {
  std::ostringstream out, err;
  const int stato = comando(argomenti, out, err);
  return {stato, out.str(), err.str()};
}

TEST(PrimoScenario, ThePagesFilesCheckCleanCompileAndMakeTheirDocuments) {
  std::ifstream in(std::string(VELSTRA_SOURCE_DIR) + "/docs/primo_scenario.md", std::ios::binary);
  const std::string pagina{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(pagina.empty()) << "docs/primo_scenario.md is missing";
  const std::map<std::string, std::string> file = file_della_pagina(pagina);
  ASSERT_EQ(file.size(), 3u);
  ASSERT_EQ(file.count("Prova_linea.txt"), 1u);
  ASSERT_EQ(file.count("Prova_1-.txt"), 1u);
  // scenario nuovo writes the same two sources.
  EXPECT_EQ(file.at("Prova_linea.txt"), testo_righe(righe_linea_nuova()));
  EXPECT_EQ(file.at("Prova_1-.txt"), testo_righe(righe_treno_nuovo()));

  cartella_temporanea dir;
  for (const auto& [nome, testo] : file) scrivi_tutto(dir.percorso / nome, testo);
  const std::vector<std::string> argomenti = {dir.percorso.string(), "Prova", "1"};

  const esito_primo_scenario check = esegui(comando_check, argomenti);
  EXPECT_EQ(check.stato, 0) << check.err;
  EXPECT_EQ(check.out, "0 errori, 0 avvisi\n") << check.err;
  const esito_primo_scenario compile = esegui(comando_compile, argomenti);
  EXPECT_EQ(compile.stato, 0) << compile.err;
  for (const char* compatto : {"Prova_linea.dat", "Prova_1.sim", "Prova_1.dat"})
    EXPECT_FALSE(leggi_tutto(dir.percorso / compatto).empty()) << compatto;

  // The page says how BETA prints once the table gives its arrival.
  const esito_primo_scenario documents = esegui(comando_documents, argomenti);
  EXPECT_EQ(documents.stato, 0) << documents.err;
  const std::string scheda = leggi_tutto(dir.percorso / "Prova_1_scheda_treno.txt");
  const std::string beta = "| BETA                       | 8.08      8.10 |";
  EXPECT_TRUE(contiene(scheda, beta));
  EXPECT_TRUE(contiene(pagina, "`" + beta + "`"));
}

}  // namespace
