#include "scenario/comandi/comando_check.h"

#include "base/cartella.h"
#include "base/codici_uscita.h"
#include "base/errore.h"
#include "base/nomi_file.h"
#include "scenario/comandi/argomenti_scenario.h"
#include "scenario/comandi/documento_json.h"
#include "scenario/comandi/prologo_comando.h"
#include "scenario/sorgenti/controllo_sorgenti.h"
#include "scenario/sorgenti/diagnostica.h"
#include "scenario/testo/testo_json.h"

namespace fs = std::filesystem;

const char* const aiuto_check =
    "uso: scenario check [--strict] [--json] DIR ROUTE TRAIN\n"
    "\n"
    "Trova ogni errore di DIR/ROUTE_linea.txt e DIR/ROUTE_TRAIN-.txt, non solo il\n"
    "primo: compila in memoria una copia dei due file, segnala l'errore alla sua\n"
    "riga e colonna nel tuo file, mette da parte nella copia il record in errore e\n"
    "compila di nuovo, finch\xC3\xA9 non resta alcun errore o ne sono stati trovati 100.\n"
    "Finisce con il conto. Un errore del controllo dei codici (da 11 a 13) \xC3\xA8 messo\n"
    "sul rallentamento a cui appartiene. Un errore senza record da mettere da parte\n"
    "(uno che termina la corsa, o uno senza posto nei sorgenti) ferma la ricerca. In\n"
    "DIR non viene scritto nulla.\n"
    "\n"
    "Errori e avvisi escono nell'ordine dei file: prima il file della linea, poi\n"
    "quello del treno, riga per riga. Un errore 15 della linea lascia leggere il\n"
    "file del treno, che si ferma al primo segnale o rallentamento: l'errore \xC3\xA8 al\n"
    "record della linea, con una nota dove la lettura del treno si \xC3\xA8 fermata.\n"
    "\n"
    "Gli avvisi, come FILE:RIGA:COLONNA: avviso: ...: ci\xC3\xB2 che il\n"
    "compilatore legge in silenzio in un modo che forse non intendi (un numero con\n"
    "altri caratteri, un valore vuoto, un record i cui valori proseguono nella riga\n"
    "dopo o oltre il proprio, una parola chiave sconosciuta dove si trova, testo in\n"
    "UTF-8, nessuna stazione, nessuna curva). Non cambiano mai i file compilati.\n"
    "\n"
    "Tra loro, come FILE:RIGA:COLONNA: errore: ..., gli scivoloni: una riga che il\n"
    "compilatore legge diversamente da come \xC3\xA8 scritta (un orario 13:57 dove il\n"
    "record prende 13, 57, la lettera O per uno zero, una parola chiave a una o due\n"
    "lettere da quella giusta), con ci\xC3\xB2 che il record diventa e come scriverlo.\n"
    "Sono errori: il compilatore legge quei byte come sempre, non come li intendi.\n"
    "\n"
    "  --strict  esce con 1 anche per i soli avvisi\n"
    "  --json    stampa su stdout un documento JSON (docs/schema/check.schema.json):\n"
    "            errori, avvisi, se la ricerca si \xC3\xA8 fermata prima e le\n"
    "            diagnostiche con genere, file, riga, colonna, codice e messaggio\n"
    "\n"
    "Stato di uscita: 0 nessun errore (avvisi ammessi senza --strict); 1 errori\n"
    "trovati, o avvisi con --strict; 2 non \xC3\xA8 stato possibile eseguire (un file\n"
    "sorgente manca); 64 un errore d'uso.\n";

namespace {
std::string conta(std::size_t errori, std::size_t avvisi) {
  return std::to_string(errori) + (errori == 1 ? " errore, " : " errori, ") + std::to_string(avvisi) +
         (avvisi == 1 ? " avviso" : " avvisi");
}

int controlla(const argomenti_comando& a, std::ostream& out, std::ostream& err) {
  const cartella_disco cartella(percorso_utf8(a.cartella));
  const bool json = a.ha_flag("--json");
  const esito_controllo esito = controlla_sorgenti(cartella, a.nomi());
  const int codice =
      esito.errori > 0 || (esito.avvisi > 0 && a.ha_flag("--strict")) ? uscita_errore_registrato : uscita_ok;
  if (json) {
    apri_documento_json(out, "check", codice);
    out << ", \"errori\": " << esito.errori << ", \"avvisi\": " << esito.avvisi
        << ", \"interrotto\": " << (esito.note.empty() ? "false" : "true") << ", \"note\": [";
    for (std::size_t k = 0; k < esito.note.size(); ++k) out << (k ? ", " : "") << testo_json(esito.note[k]);
    out << "], \"diagnostiche\": ";
    stampa_diagnostiche_json(out, esito.voci);
    out << ", \"guasto\": null}\n";
  } else {
    for (const diagnostica& d : esito.voci) stampa_diagnostica(err, d);
    out << conta(esito.errori, esito.avvisi) << '\n';
  }
  for (const std::string& nota : esito.note) err << "scenario check: " << nota << '\n';
  return codice;
}
}  // namespace

const regola_comando regola_check = {
    .nome = "check",
    .riassunto = "segnala ogni errore e avviso dei sorgenti, non solo il primo",
    .uso = "scenario check [--strict] [--json] DIR ROUTE TRAIN",
    .aiuto = aiuto_check,
    .posizionali = {posto::cartella, posto::percorso, posto::treno},
    .flag = {"--strict", "--json"},
    .sorgenti = true,
    .json = true,
    .esegui = controlla,
};

int comando_check(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  return esegui_comando(regola_check, argomenti, out, err);
}
