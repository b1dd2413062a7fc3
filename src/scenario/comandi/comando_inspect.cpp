#include "scenario/comandi/comando_inspect.h"

#include <sstream>

#include "base/cartella.h"
#include "base/codici_uscita.h"
#include "base/file_disco.h"
#include "model/form1.h"
#include "scenario/comandi/argomenti_scenario.h"
#include "scenario/comandi/contenuto_cartella.h"
#include "scenario/rapporto/piano_csv.h"
#include "scenario/rapporto/rapporto_scenario.h"
#include "scenario/sorgenti/indice_sorgenti.h"

const char* const aiuto_inspect =
    "uso: scenario inspect DIR ROUTE TRAIN [--json] [--csv-plan FILE]\n"
    "\n"
    "Decodifica i file compatti DIR/ROUTE_TRAIN.sim, DIR/ROUTE_TRAIN.dat e, se c'\xC3\xA8,\n"
    "DIR/ROUTE_linea.dat in un rapporto leggibile: i valori generali (le serie\n"
    "chilometriche con i 100 m che il loro flag aggiunge), le stazioni, i profili\n"
    "della linea (velocit\xC3\xA0, pendenze, aderenza) come tratti da, a, valore, e ogni\n"
    "cella che contiene un oggetto: la cella e il tratto che copre, il tipo in\n"
    "parole, i valori decodificati. Se in DIR ci sono anche i file sorgente\n"
    "(ROUTE_linea.txt, ROUTE_TRAIN-.txt), ogni oggetto mostra la progressiva scritta\n"
    "dall'autore e la riga che lo scrive, e i profili sono quelli scritti; senza\n"
    "sorgenti il rapporto dice che \xC3\xA8 nota solo la cella. I testi sono in UTF-8.\n"
    "\n"
    "  --json           lo stesso rapporto come un documento JSON\n"
    "  --csv-plan FILE  scrive anche la planimetria in CSV, una riga per metro:\n"
    "                   metro, x, y, direzione in gradi, raggio di curva in metri,\n"
    "                   tratto (linea, oltre_fine per i 7000 m dopo la fine della\n"
    "                   linea, vuoto per un punto mai calcolato, senza x e y)\n"
    "\n"
    "Un file la cui dimensione o struttura non corrisponde al suo formato \xC3\xA8\n"
    "rifiutato con l'offset e il difetto.\n"
    "\n"
    "Stato di uscita: 0 rapporto mostrato; 2 un file manca, \xC3\xA8 rifiutato o non si\n"
    "pu\xC3\xB2 scrivere; 64 un errore d'uso.\n";

int comando_inspect(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  argomenti_comando a;
  const std::string guasto = leggi_argomenti(argomenti, {"--json"}, {"--csv-plan"}, a);
  if (a.aiuto) {
    out << aiuto_inspect;
    return 0;
  }
  if (!guasto.empty()) {
    err << "scenario inspect: " << guasto << "\nuso: scenario inspect DIR ROUTE TRAIN [--json] [--csv-plan FILE]\n"
        << "Vedi 'scenario inspect --help'.\n";
    return 64;
  }
  scenario_compatto s;
  std::string rifiuto;
  if (const std::string dir = cartella_non_valida(a.posizionali[0]); !dir.empty()) {
    err << "scenario inspect: " << dir << '\n';
    return uscita_errore;
  }
  if (!carica_scenario_compatto(percorso_utf8(a.posizionali[0]), a.posizionali[1], a.posizionali[2], s, rifiuto)) {
    err << "scenario inspect: " << rifiuto << '\n';
    if (rifiuto.ends_with(": file non trovato")) err << cosa_c_e(a.posizionali[0], a.posizionali[1], a.posizionali[2]);
    return uscita_errore;
  }
  if (const std::string* csv = a.valore("--csv-plan")) {
    if (!s.piano) {
      err << "scenario inspect: manca il file della planimetria, nessun CSV scritto\n";
      return 2;
    }
    std::ostringstream testo;
    scrivi_csv_piano(testo, *s.piano, s.stazioni[voce_treno_linea].fine);
    const stato scritto = sostituisci_file_disco(percorso_utf8(*csv), testo.str());
    if (!scritto.ok()) {
      err << "scenario inspect: " << scritto.messaggio() << '\n';
      return 2;
    }
  }
  const nodo r =
      rapporto_scenario(s, indicizza_sorgenti(percorso_utf8(a.posizionali[0]), a.posizionali[1], a.posizionali[2]));
  if (a.ha_flag("--json")) {
    scrivi_json(out, r);
    out << '\n';
  } else {
    scrivi_testo(out, r);
  }
  return 0;
}
