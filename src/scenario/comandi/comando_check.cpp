#include "scenario/comandi/comando_check.h"


#include "base/errore.h"
#include "base/cartella.h"
#include "base/codici_uscita.h"
#include "base/nomi_file.h"
#include "model/form1.h"
#include "scenario/comandi/argomenti_scenario.h"
#include "scenario/comandi/contenuto_cartella.h"
#include "scenario/sorgenti/controllo_sorgenti.h"
#include "scenario/sorgenti/diagnostica.h"

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
    "Prima vengono gli avvisi, come FILE:RIGA:COLONNA: avviso: ...: ci\xC3\xB2 che il\n"
    "compilatore legge in silenzio in un modo che forse non intendi (un numero con\n"
    "altri caratteri, un valore vuoto, un record i cui valori proseguono nella riga\n"
    "dopo o oltre il proprio, una parola chiave sconosciuta dove si trova, testo in\n"
    "UTF-8, nessuna stazione, nessuna curva). Non cambiano mai i file compilati.\n"
    "\n"
    "  --strict  esce con 1 anche per i soli avvisi\n"
    "  --json    stampa su stdout un oggetto JSON: errori, avvisi e diagnostics,\n"
    "            ciascuno con kind, file, line, column, code e message\n"
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
  const cartella_disco cartella(percorso_utf8(a.posizionali[0]));
  Form1 nomi;
  nomi.nome_percorso = a.posizionali[1];
  nomi.numero_treno = a.posizionali[2];
  if (const std::string dir = cartella_non_valida(a.posizionali[0]); !dir.empty()) {
    err << "scenario check: " << dir << '\n';
    return uscita_errore;
  }
  if (const std::string manca = sorgente_mancante(cartella, nomi); !manca.empty()) {
    err << "scenario check: " << manca << '\n' << cosa_c_e(a.posizionali[0], nomi.nome_percorso, nomi.numero_treno);
    return uscita_errore;
  }
  const esito_controllo esito = controlla_sorgenti(cartella, nomi);
  if (a.ha_flag("--json")) {
    out << "{\"errori\": " << esito.errori << ", \"avvisi\": " << esito.avvisi << ", \"diagnostics\": ";
    stampa_diagnostiche_json(out, esito.voci);
    out << "}\n";
  } else {
    for (const diagnostica& d : esito.voci) stampa_diagnostica(err, d);
    out << conta(esito.errori, esito.avvisi) << '\n';
  }
  for (const std::string& nota : esito.note) err << "scenario check: " << nota << '\n';
  if (esito.errori > 0) return 1;
  return esito.avvisi > 0 && a.ha_flag("--strict") ? 1 : 0;
}
}  // namespace

int comando_check(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  argomenti_comando a;
  const std::string guasto = leggi_argomenti(argomenti, {"--strict", "--json"}, {}, a);
  if (a.aiuto) {
    out << aiuto_check;
    return 0;
  }
  if (!guasto.empty()) {
    err << "scenario check: " << guasto << "\nuso: scenario check [--strict] [--json] DIR ROUTE TRAIN\nVedi 'scenario check --help'.\n";
    return uscita_uso;
  }
  try {
    return controlla(a, out, err);
  } catch (const interruzione& e) {
    err << "scenario check: " << e.s.messaggio() << '\n';
    return uscita_errore;
  }
}
