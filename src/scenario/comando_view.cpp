#include "scenario/comando_view.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "base/cartella.h"
#include "base/file_disco.h"
#include "base/nomi_file.h"
#include "model/form1.h"
#include "scenario/argomenti_scenario.h"
#include "scenario/dati_view.h"
#include "scenario/pagina_view.h"

namespace fs = std::filesystem;

const char* const aiuto_view =
    "usage: scenario view DIR ROUTE TRAIN --out FILE.html\n"
    "\n"
    "Writes one self-contained HTML page (script, style and data inside, nothing\n"
    "fetched) of the compiled scenario of DIR, to open in any current browser:\n"
    "the map of the line from the plan file (drag to pan, wheel to zoom), and on\n"
    "one km axis the gradient, line speed limit, adhesion and mountain profiles,\n"
    "the stations, signals, boards and signs, code points and slowdowns, down to\n"
    "single 50 m cells. Hovering a place marks it on both; clicking an object\n"
    "shows it decoded as 'scenario inspect' does and, when the source files\n"
    "DIR/ROUTE_linea.txt and DIR/ROUTE_TRAIN-.txt are there, the source line that\n"
    "made it. A station name or a km typed in the search box jumps there. When\n"
    "the sources have errors ('scenario check'), the page lists them and each\n"
    "jumps to its place. The sources are optional: the compact files suffice.\n"
    "\n"
    "Exit status: 0 written; 2 a file is missing, refused or cannot be written;\n"
    "64 a usage error.\n";

namespace {
std::optional<std::string> leggi_se_c_e(const cartella_file& cartella, const std::string& nome) {
  std::string testo;
  const stato letto = cartella.leggi(nome, testo);
  if (letto.genere() == genere_stato::non_trovato) return std::nullopt;
  verifica(letto);
  return testo;
}
}  // namespace

int comando_view(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  argomenti_comando a;
  std::string guasto = leggi_argomenti(argomenti, {}, {"--out"}, a);
  if (a.aiuto) {
    out << aiuto_view;
    return 0;
  }
  if (guasto.empty() && !a.valore("--out")) guasto = "--out FILE.html is required";
  if (!guasto.empty()) {
    err << "scenario view: " << guasto << "\nusage: scenario view DIR ROUTE TRAIN --out FILE.html\n"
        << "Try 'scenario view --help'.\n";
    return 64;
  }
  const std::string &cartella = a.posizionali[0], &percorso = a.posizionali[1], &treno = a.posizionali[2];
  scenario_compatto s;
  std::string rifiuto;
  const cartella_disco disco(percorso_utf8(cartella));
  Form1 nomi;
  nomi.nome_percorso = percorso;
  nomi.numero_treno = treno;
  if (!carica_scenario_compatto(cartella, percorso, treno, s, rifiuto)) {
    err << "scenario view: " << rifiuto << '\n';
    if (!disco.esiste(file_scenario(nomi)) && disco.esiste(file_treno(nomi)))
      err << "The sources are there: compile them first with 'scenario compile " << cartella << ' ' << percorso << ' '
          << treno << "'.\n";
    return 2;
  }
  try {
    const auto linea = leggi_se_c_e(disco, file_linea(nomi)), treno_testo = leggi_se_c_e(disco, file_treno(nomi));
    const testi_sorgente testi{linea.has_value(), treno_testo.has_value(), linea.value_or(""), treno_testo.value_or("")};
    indice_sorgenti indice = indicizza_testi(linea ? &*linea : nullptr, treno_testo ? &*treno_testo : nullptr);
    indice.linea.nome = file_linea(nomi);
    indice.treno.nome = file_treno(nomi);
    const auto diagnostiche = diagnostiche_sorgenti(percorso_utf8(cartella), percorso, treno);
    const std::string pagina = pagina_view(percorso + " \xE2\x80\x94 treno " + treno, dati_view(s, indice, testi, diagnostiche));
    verifica(sostituisci_file_disco(percorso_utf8(*a.valore("--out")), pagina));
  } catch (const interruzione& e) {
    err << "scenario view: " << e.s.messaggio() << '\n';
    return 2;
  }
  return 0;
}
