#include <exception>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/codici_uscita.h"
#include "base/stato.h"
#include "scenario/comandi/comando_check.h"
#include "scenario/comandi/comando_compile.h"
#include "scenario/comandi/comando_documents.h"
#include "scenario/comandi/comando_extract.h"
#include "scenario/comandi/comando_formato.h"
#include "scenario/comandi/comando_inspect.h"
#include "scenario/comandi/comando_lsp.h"
#include "scenario/comandi/comando_pack.h"
#include "scenario/comandi/comando_plot.h"
#include "scenario/comandi/comando_view.h"
#include "scenario/comandi/console_utf8.h"
#include "scenario/comandi/riga_comando.h"

namespace {

// The tool's commands: one row each, the whole of the dispatch.
struct comando {
  std::string_view nome;
  std::string_view aiuto;
  int (*esegui)(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);
};

constexpr comando comandi[] = {
    {"compile", "compila i sorgenti di uno scenario nei suoi file compatti", comando_compile},
    {"check", "segnala ogni errore e avviso dei sorgenti, non solo il primo", comando_check},
    {"extract", "scrive in DIR i cinque file di testo dello scenario incorporato", comando_extract},
    {"inspect", "decodifica i file compatti di uno scenario in un rapporto", comando_inspect},
    {"plot", "disegna mappa e profili di uno scenario compilato in un SVG", comando_plot},
    {"view", "scrive una pagina HTML interattiva dello scenario e dei sorgenti", comando_view},
    {"documents", "scrive i documenti del macchinista dai sorgenti di DIR", comando_documents},
    {"pack", "scrive un programma che installa lo scenario di DIR", comando_pack},
    {"formato", "il manuale del formato dei sorgenti, o la pagina di un record", comando_formato},
    {"lsp", "il server di linguaggio dei sorgenti, per l'editor", comando_lsp},
};

void stampa_aiuto(std::ostream& out) {
  out << "uso: scenario COMANDO [ARGOMENTI...]\n"
         "     scenario --version\n"
         "\n"
         "Lo strumento per gli autori del pacchetto di scenari. Comandi:\n";
  for (const comando& c : comandi) out << "  " << c.nome << std::string(12 - c.nome.size(), ' ') << c.aiuto << '\n';
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
  for (const comando& c : comandi) {
    if (parole[0] != c.nome) continue;
    try {
      return c.esegui(std::span<const std::string>(parole).subspan(1), std::cout, std::cerr);
    } catch (const interruzione& e) {
      // A failure thrown deep in the run: its file and cause.
      std::cerr << "scenario " << c.nome << ": " << e.s.messaggio() << '\n';
      return uscita_errore;
    } catch (const std::exception& e) {
      std::cerr << "scenario " << c.nome << ": " << e.what() << '\n';
      return uscita_errore;  // could not run
    }
  }
  std::cerr << "scenario: comando sconosciuto '" << parole[0] << "'\n";
  stampa_aiuto(std::cerr);
  return uscita_uso;
}
