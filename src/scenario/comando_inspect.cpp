#include "scenario/comando_inspect.h"

#include <fstream>

#include "base/percorso_utf8.h"
#include "scenario/argomenti_scenario.h"
#include "scenario/rapporto_scenario.h"

const char* const aiuto_inspect =
    "usage: scenario inspect DIR ROUTE TRAIN [--json] [--csv-plan FILE]\n"
    "\n"
    "Decodes the compact files DIR/ROUTE_TRAIN.sim, DIR/ROUTE_TRAIN.dat and, when\n"
    "present, DIR/ROUTE_linea.dat into a readable report: the general values, the\n"
    "stations with their extents and times, and every cell that holds a point\n"
    "object with its kind in words and its values decoded. Texts are shown as UTF-8.\n"
    "\n"
    "  --json           the same report as one JSON document\n"
    "  --csv-plan FILE  also write the plan as CSV: metre, x, y, heading in\n"
    "                   degrees, curve radius in metres\n"
    "\n"
    "A file whose size or layout does not fit its format is refused with the\n"
    "offset and the fault.\n"
    "\n"
    "Exit status: 0 shown; 2 a file is missing, refused or cannot be written;\n"
    "64 a usage error.\n";

int comando_inspect(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  argomenti_comando a;
  const std::string guasto = leggi_argomenti(argomenti, {"--json"}, {"--csv-plan"}, a);
  if (a.aiuto) {
    out << aiuto_inspect;
    return 0;
  }
  if (!guasto.empty()) {
    err << "scenario inspect: " << guasto << "\nusage: scenario inspect DIR ROUTE TRAIN [--json] [--csv-plan FILE]\n"
        << "Try 'scenario inspect --help'.\n";
    return 64;
  }
  scenario_compatto s;
  std::string rifiuto;
  if (!carica_scenario_compatto(percorso_utf8(a.posizionali[0]), a.posizionali[1], a.posizionali[2], s, rifiuto)) {
    err << "scenario inspect: " << rifiuto << '\n';
    return 2;
  }
  if (const std::string* csv = a.valore("--csv-plan")) {
    if (!s.piano) {
      err << "scenario inspect: no plan file, no CSV written\n";
      return 2;
    }
    std::ofstream file(percorso_utf8(*csv), std::ios::binary | std::ios::trunc);
    if (file.is_open()) scrivi_csv_piano(file, *s.piano);
    if (!file.is_open() || !file.flush()) {
      err << "scenario inspect: " << *csv << ": cannot write\n";
      return 2;
    }
  }
  const nodo r = rapporto_scenario(s);
  if (a.ha_flag("--json")) {
    scrivi_json(out, r);
    out << '\n';
  } else {
    scrivi_testo(out, r);
  }
  return 0;
}
