#include <exception>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "scenario/comando_check.h"
#include "scenario/comando_compile.h"
#include "scenario/comando_extract.h"
#include "scenario/comando_inspect.h"
#include "scenario/comando_plot.h"
#include "scenario/console_utf8.h"
#include "scenario/riga_comando.h"

namespace {

// The tool's commands: one row each, the whole of the dispatch.
struct comando {
  std::string_view nome;
  std::string_view aiuto;
  int (*esegui)(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);
};

constexpr comando comandi[] = {
    {"compile", "compile a scenario's source files into its compact files", comando_compile},
    {"check", "report every error of a scenario's source files, not only the first", comando_check},
    {"extract", "write the embedded scenario's five text files into a folder", comando_extract},
    {"inspect", "decode a scenario's compact files into a readable report", comando_inspect},
    {"plot", "draw a compiled scenario's map and profiles into an SVG file", comando_plot},
};

void stampa_aiuto(std::ostream& out) {
  out << "usage: scenario COMMAND [ARGS...]\n"
         "\n"
         "The authoring tool of the scenario package. Commands:\n";
  for (const comando& c : comandi) out << "  " << c.nome << std::string(12 - c.nome.size(), ' ') << c.aiuto << '\n';
  out << "\n"
         "'scenario COMMAND --help' explains a command.\n";
}

constexpr int esito_uso = 64;

}  // namespace

int main(int argc, char** argv) {
  console_utf8();
  const std::vector<std::string> parole = parole_riga_comando(argc, argv);
  if (parole.empty()) {
    stampa_aiuto(std::cerr);
    return esito_uso;
  }
  if (parole[0] == "--help" || parole[0] == "-h" || parole[0] == "help") {
    stampa_aiuto(std::cout);
    return 0;
  }
  for (const comando& c : comandi) {
    if (parole[0] != c.nome) continue;
    try {
      return c.esegui(std::span<const std::string>(parole).subspan(1), std::cout, std::cerr);
    } catch (const std::exception& e) {
      std::cerr << "scenario " << c.nome << ": " << e.what() << '\n';
      return 2;  // could not run
    }
  }
  std::cerr << "scenario: unknown command '" << parole[0] << "'\n";
  stampa_aiuto(std::cerr);
  return esito_uso;
}
