#include "scenario/comandi/comando_inspect.h"

#include <sstream>

#include "base/cartella.h"
#include "base/codici_uscita.h"
#include "base/file_disco.h"
#include "scenario/comandi/contenuto_cartella.h"
#include "scenario/comandi/documento_json.h"
#include "scenario/comandi/prologo_comando.h"
#include "scenario/rapporto/piano_csv.h"
#include "scenario/rapporto/rapporto_scenario.h"
#include "scenario/sorgenti/controllo_sorgenti.h"
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
    "                   (docs/schema/inspect.schema.json), anche quando fallisce\n"
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

namespace {
// A run that cannot go on: its message on stderr and, with --json, the
// document that names the failure on stdout.
struct uscita_inspect {
  std::ostream& out;
  std::ostream& err;
  bool json;
  int fallisce(int codice, std::string_view genere, const std::string& messaggio, const std::string& file,
               const std::string& seguito = "") const {
    err << "scenario inspect: " << messaggio << '\n' << seguito;
    if (json)
      stampa_documento_guasto(out, "inspect", codice, genere, messaggio + (seguito.empty() ? "" : "\n" + seguito),
                              file);
    return codice;
  }
};

// The file a loader's message names: what stands before ": ".
std::string file_del_messaggio(const std::string& messaggio) {
  const std::size_t k = messaggio.find(": ");
  return k == std::string::npos ? std::string() : messaggio.substr(0, k);
}
int ispeziona(const argomenti_comando& a, std::ostream& out, std::ostream& err) {
  const uscita_inspect u{out, err, a.ha_flag("--json")};
  scenario_compatto s;
  std::string rifiuto;
  if (!carica_scenario_compatto(percorso_utf8(a.cartella), a.percorso, a.treno, s, rifiuto)) {
    if (rifiuto.ends_with(": file non trovato"))
      return u.fallisce(uscita_errore, "non_trovato", rifiuto, file_del_messaggio(rifiuto),
                        cosa_c_e(a.cartella, a.nomi()));
    return u.fallisce(uscita_errore, "danneggiato", rifiuto, file_del_messaggio(rifiuto));
  }
  if (const std::string* csv = a.valore("--csv-plan")) {
    if (!s.piano)
      return u.fallisce(uscita_errore, "non_trovato", "manca il file della planimetria, nessun CSV scritto",
                        a.cartella + "/" + a.percorso + "_linea.dat");
    std::ostringstream testo;
    scrivi_csv_piano(testo, *s.piano, s.stazioni[voce_treno_linea].fine);
    const stato scritto = sostituisci_file_disco(percorso_utf8(*csv), testo.str());
    if (!scritto.ok()) return u.fallisce(uscita_errore, "file_system", scritto.messaggio(), *csv);
  }
  nodo r = rapporto_scenario(s, indicizza_sorgenti(percorso_utf8(a.cartella), a.percorso, a.treno));
  // Files compiled from sources with an error hold what was read up to it.
  const cartella_disco cartella(percorso_utf8(a.cartella));
  if (const auto errore = primo_errore_sorgenti(cartella, a.nomi())) {
    const std::string attenzione =
        "i sorgenti in " + a.cartella + " hanno errori (il primo: " +
        (errore->con_posizione ? errore->file + ":" + std::to_string(errore->riga) + ": " : "") + errore->messaggio +
        "): i file compatti compilati da loro sono incompleti; 'scenario check' li elenca tutti";
    r.metti("attenzione", attenzione);
    if (!u.json) err << "scenario inspect: attenzione: " << attenzione << '\n';
  }
  if (u.json) {
    apri_documento_json(out, "inspect", uscita_ok);
    out << ", \"guasto\": null, \"rapporto\": ";
    scrivi_json(out, r);
    out << "}\n";
  } else {
    scrivi_testo(out, r);
  }
  return uscita_ok;
}
}  // namespace

const regola_comando regola_inspect = {
    .nome = "inspect",
    .riassunto = "decodifica i file compatti di uno scenario in un rapporto",
    .uso = "scenario inspect DIR ROUTE TRAIN [--json] [--csv-plan FILE]",
    .aiuto = aiuto_inspect,
    .posizionali = {posto::cartella, posto::percorso, posto::treno},
    .flag = {"--json"},
    .opzioni_con_valore = {"--csv-plan"},
    .json = true,
    .esegui = ispeziona,
};

int comando_inspect(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  return esegui_comando(regola_inspect, argomenti, out, err);
}
