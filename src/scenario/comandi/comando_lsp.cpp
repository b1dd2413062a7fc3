#include "scenario/comandi/comando_lsp.h"

#include "base/codici_uscita.h"
#include "scenario/comandi/prologo_comando.h"
#include "scenario/lsp/ciclo_lsp.h"

namespace {

const char* const aiuto_lsp =
    "uso: scenario lsp [--stdio]\n"
    "\n"
    "Il server di linguaggio (Language Server Protocol 3.17) dei due file\n"
    "sorgente, su standard input e output: lo avvia l'editor, non una persona.\n"
    "Un file del treno ROUTE_TRENO-.txt \xC3\xA8 controllato con ROUTE_linea.txt della\n"
    "stessa cartella, un file della linea con ogni file del treno del suo\n"
    "percorso, aperti nell'editor o letti dal disco. Mentre scrivi d\xC3\xA0 gli errori\n"
    "e gli avvisi di 'scenario check' al loro posto, la pagina del manuale su una\n"
    "parola chiave, il campo e il valore letto sotto il cursore, le parole chiave\n"
    "che vanno dove sei, lo schema del file, le correzioni sicure e l'allineamento\n"
    "delle colonne di 'scenario allinea'.\n"
    "\n"
    "I file sono Windows-1252: l'editor deve aprirli in cp1252. Come usarlo da\n"
    "Neovim, VS Code, Helix e Kate: docs/editor.md.\n"
    "\n"
    "Stato di uscita: 0 dopo shutdown ed exit; 1 se l'ingresso finisce prima;\n"
    "64 un errore d'uso.\n";

int servi(const argomenti_comando&, std::ostream& out, std::ostream&) {
  return esegui_server_lsp(out, SCENARIO_VERSIONE);
}

}  // namespace

// Some clients name the transport they start the server with.
const regola_comando regola_lsp = {
    .nome = "lsp",
    .riassunto = "il server di linguaggio dei sorgenti, per l'editor",
    .uso = "scenario lsp [--stdio]",
    .aiuto = aiuto_lsp,
    .flag = {"--stdio"},
    .rimando_all_aiuto = false,
    .esegui = servi,
};

int comando_lsp(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  return esegui_comando(regola_lsp, argomenti, out, err);
}
