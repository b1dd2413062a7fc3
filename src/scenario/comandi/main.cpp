#include <exception>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/codici_uscita.h"
#include "base/stato.h"
#include "scenario/comandi/comando_allinea.h"
#include "scenario/comandi/comando_check.h"
#include "scenario/comandi/comando_compile.h"
#include "scenario/comandi/comando_diff.h"
#include "scenario/comandi/comando_documents.h"
#include "scenario/comandi/comando_extract.h"
#include "scenario/comandi/comando_formato.h"
#include "scenario/comandi/comando_inspect.h"
#include "scenario/comandi/comando_lsp.h"
#include "scenario/comandi/comando_nuovo.h"
#include "scenario/comandi/comando_pack.h"
#include "scenario/comandi/comando_plot.h"
#include "scenario/comandi/comando_testo.h"
#include "scenario/comandi/comando_view.h"
#include "scenario/comandi/console_utf8.h"
#include "scenario/comandi/prologo_comando.h"
#include "scenario/comandi/riga_comando.h"

namespace {

// The tool's commands: one row each, the whole of the dispatch. Each row
// (regola_comando) says what its command reads and needs before it runs.
const regola_comando* const comandi[] = {
    &regola_compile,   &regola_check, &regola_extract, &regola_nuovo, &regola_inspect, &regola_plot, &regola_view,
    &regola_documents, &regola_pack,  &regola_formato, &regola_lsp,   &regola_testo,   &regola_diff, &regola_allinea,
};

void stampa_aiuto(std::ostream& out) {
  out << "uso: scenario COMANDO [ARGOMENTI...]\n"
         "     scenario --version\n"
         "\n"
         "Lo strumento per gli autori del pacchetto di scenari. Comandi:\n";
  for (const regola_comando* c : comandi)
    out << "  " << c->nome << std::string(12 - c->nome.size(), ' ') << c->riassunto << '\n';
  out << "\n"
         "'scenario COMANDO --help' spiega un comando. Il formato dei file sorgente:\n"
         "'scenario formato', o docs/formato_sorgenti.md.\n";
}

}  // namespace

int main(int argc, char** argv) {
  console_utf8();
  const std::vector<std::string> parole = parole_riga_comando(argc, argv);
  if (parole.empty()) {
    stampa_aiuto(std::cerr);
    return uscita_uso;
  }
  if (parole[0] == "--help" || parole[0] == "-h" || parole[0] == "help") {
    stampa_aiuto(std::cout);
    return uscita_ok;
  }
  if (parole[0] == "--version") {
    std::cout << "scenario " << SCENARIO_VERSIONE << '\n';
    return uscita_ok;
  }
  for (const regola_comando* c : comandi) {
    if (parole[0] != c->nome) continue;
    try {
      return esegui_comando(*c, std::span<const std::string>(parole).subspan(1), std::cout, std::cerr);
    } catch (const std::exception& e) {
      std::cerr << "scenario " << c->nome << ": " << e.what() << '\n';
      return uscita_errore;  // could not run
    }
  }
  std::cerr << "scenario: comando sconosciuto '" << parole[0] << "'\n";
  stampa_aiuto(std::cerr);
  return uscita_uso;
}
