#include "scenario/comando_plot.h"

#include "base/percorso_utf8.h"
#include "base/file_system.h"
#include "scenario/argomenti_scenario.h"
#include "scenario/disegno_svg.h"

const char* const aiuto_plot =
    "usage: scenario plot DIR ROUTE TRAIN --out FILE.svg\n"
    "\n"
    "Draws the compiled scenario of DIR into one self-contained SVG: the map of the\n"
    "line from the plan file with the stations marked and named; under it, on one\n"
    "axis of progressives in kilometres, the gradient profile (per mille), the line\n"
    "speed limit (km/h), the stations, signals, code points and slowdowns.\n"
    "\n"
    "Exit status: 0 drawn; 2 a file is missing, refused or cannot be written;\n"
    "64 a usage error.\n";

int comando_plot(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  argomenti_comando a;
  std::string guasto = leggi_argomenti(argomenti, {}, {"--out"}, a);
  if (a.aiuto) {
    out << aiuto_plot;
    return 0;
  }
  if (guasto.empty() && !a.valore("--out")) guasto = "--out FILE.svg is required";
  if (!guasto.empty()) {
    err << "scenario plot: " << guasto << "\nusage: scenario plot DIR ROUTE TRAIN --out FILE.svg\n"
        << "Try 'scenario plot --help'.\n";
    return 64;
  }
  scenario_compatto s;
  std::string rifiuto;
  if (!carica_scenario_compatto(percorso_utf8(a.posizionali[0]), a.posizionali[1], a.posizionali[2], s, rifiuto)) {
    err << "scenario plot: " << rifiuto << '\n';
    return 2;
  }
  try {
    sostituisci_file(percorso_utf8(*a.valore("--out")), disegno_svg(s));
  } catch (const errore_file_system& e) {
    err << "scenario plot: " << e.what() << '\n';
    return 2;
  }
  return 0;
}
