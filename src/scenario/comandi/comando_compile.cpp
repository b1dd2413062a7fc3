#include "scenario/comandi/comando_compile.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "base/cartella.h"
#include "base/catalogo_errori.h"
#include "base/codici_uscita.h"
#include "base/errore.h"
#include "base/nomi_file.h"
#include "model/form1.h"
#include "output/memorizza_percorso.h"
#include "scenario/comandi/argomenti_scenario.h"
#include "scenario/comandi/cartella_compilazione.h"
#include "scenario/comandi/documento_json.h"
#include "scenario/comandi/prologo_comando.h"
#include "scenario/sorgenti/diagnostica.h"
#include "scenario/sorgenti/ordine_diagnostiche.h"
#include "scenario/testo/testo_json.h"

const char* const aiuto_compile =
    "uso: scenario compile [--no-plan] [--json] DIR ROUTE TRAIN\n"
    "\n"
    "Compila il file sorgente della linea DIR/ROUTE_linea.txt e il file sorgente del\n"
    "treno DIR/ROUTE_TRAIN-.txt esattamente come fa il programma e scrive in DIR i\n"
    "file compatti, ciascuno sostituito per intero: ROUTE_linea.dat (la\n"
    "planimetria), ROUTE_TRAIN.sim (lo scenario) e ROUTE_TRAIN.dat (il tracciato).\n"
    "I file sorgente restano come sono. Riuscita, lo dice in una riga su stdout:\n"
    "compilato: i file scritti in DIR.\n"
    "\n"
    "  --no-plan  compila senza planimetria: in DIR nessun file della planimetria\n"
    "             \xC3\xA8 creato, cancellato o scritto\n"
    "  --json     stampa su stdout un documento JSON (vedi\n"
    "             docs/schema/compile.schema.json): numero_errore, file_scritti,\n"
    "             file_completi, l'errore con il suo posto e le diagnostiche;\n"
    "             anche quando la corsa non pu\xC3\xB2 partire\n"
    "  --help     stampa questo testo\n"
    "\n"
    "Gli avvisi vanno su stderr, come FILE:RIGA:COLONNA: avviso: ..., con la\n"
    "riga del sorgente e un segno sotto il campo: ci\xC3\xB2 che il compilatore legge in\n"
    "silenzio in un modo che forse non intendi (un numero con altri caratteri, un\n"
    "valore vuoto, un record i cui valori proseguono nella riga dopo o oltre il\n"
    "proprio, una parola chiave sconosciuta dove si trova, testo in UTF-8, nessuna\n"
    "stazione, nessuna curva). Non cambiano mai i file compilati.\n"
    "Gli scivoloni che check conta come errori (FILE:RIGA:COLONNA: errore: ..., una\n"
    "riga letta diversamente da come \xC3\xA8 scritta) vengono con loro: il compilatore\n"
    "legge quei byte come sempre e lo stato di uscita resta il suo.\n"
    "\n"
    "Un errore \xC3\xA8 segnalato come FILE:RIGA:COLONNA: Errore n. N (progressiva P):\n"
    "spiegazione e causa, seguito dalla riga del sorgente e da un segno sotto il\n"
    "campo in errore; un errore senza posto nei sorgenti \xC3\xA8 segnalato con la sua\n"
    "spiegazione, dopo il nome del file in errore quando c'\xC3\xA8.\n"
    "\n"
    "Errori e avvisi escono nell'ordine dei file: prima il file della linea, poi\n"
    "quello del treno, riga per riga. Un errore 15 della linea lascia leggere il\n"
    "file del treno, che si ferma al primo segnale o rallentamento: l'errore \xC3\xA8 al\n"
    "record della linea, con una nota dove la lettura del treno si \xC3\xA8 fermata;\n"
    "numero_errore e progressiva_errore di --json restano quelli che il\n"
    "compilatore registra, al record del treno.\n"
    "\n"
    "ROUTE e TRAIN sono nomi di file, non percorsi: non vuoti, non . o .., al pi\xC3\xB9\n"
    "200 byte, senza / \\ : * ? \" < > | n\xC3\xA9 caratteri di controllo, non un nome\n"
    "che Windows riserva (CON, NUL, COM1...). Le stesse regole valgono per pack e\n"
    "per il programma che pack scrive.\n"
    "\n"
    "Stato di uscita: 0 nessun errore registrato (avvisi ammessi); 1 un errore\n"
    "registrato, i file compatti scritti; 2 la corsa \xC3\xA8 finita con \" Errore n. \" e\n"
    "non ha scritto alcun file compatto; 2 anche quando un file sorgente manca\n"
    "(\"file non trovato\", nulla scritto) o un file non si pu\xC3\xB2 leggere o scrivere;\n"
    "64 un errore d'uso.\n";

namespace {
struct esito_compilazione {
  std::optional<std::string> errore;  // the text the run ended with through errore
  std::vector<std::string> file;      // compact files put into DIR, in order
};

// The number errore ended the run with, or -1 when its text holds none.
long numero_di_fine(const std::string& testo) {
  long n = 0;
  if (testo.empty() || testo.size() > 9) return -1;
  for (char c : testo) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

void stampa_json(std::ostream& out, int codice, const Form1& f, const esito_compilazione& e,
                 const std::vector<diagnostica>& voci) {
  apri_documento_json(out, "compile", codice);
  out << ", \"numero_errore\": " << f.numero_errore << ", \"progressiva_errore\": ";
  if (f.numero_errore != 0 && errore_con_progressiva(f.numero_errore))
    out << f.progressiva_errore;
  else
    out << "null";
  out << ", \"fine_con_errore\": ";
  if (e.errore && numero_di_fine(*e.errore) >= 0)
    out << numero_di_fine(*e.errore);
  else
    out << "null";
  out << ", \"file_scritti\": [";
  for (std::size_t k = 0; k < e.file.size(); ++k) out << (k ? ", " : "") << testo_json(e.file[k]);
  out << "], \"file_completi\": " << (f.numero_errore == 0 && !e.errore ? "true" : "false");
  // The error itself (the one report of voci that is no warning), with its place.
  out << ", \"errore\": ";
  const auto errore =
      std::find_if(voci.begin(), voci.end(), [](const diagnostica& d) { return !d.avviso && !d.scivolone; });
  if (errore != voci.end())
    stampa_diagnostica_json(out, *errore);
  else
    out << "null";
  out << ", \"diagnostiche\": ";
  stampa_diagnostiche_json(out, voci);
  out << ", \"guasto\": null}\n";
}

// The author's sources as they stand before the compiler touches its copies.
testi_sorgente leggi_sorgenti(const cartella_file& cartella, const Form1& f) {
  testi_sorgente t;
  t.linea_esiste = cartella.leggi(file_linea(f), t.linea).ok();
  t.treno_esiste = cartella.leggi(file_treno(f), t.treno).ok();
  return t;
}

int compila(const argomenti_comando& a, std::ostream& out, std::ostream& err) {
  const bool senza_piano = a.ha_flag("--no-plan");
  cartella_disco cartella(percorso_utf8(a.cartella));
  auto f = std::make_unique<Form1>();
  f->nome_percorso = a.percorso;
  f->numero_treno = a.treno;
  const testi_sorgente testi = leggi_sorgenti(cartella, *f);
  std::vector<diagnostica> voci = avvisi_sorgenti(*f, testi, !senza_piano);
  // The compiler reads and deletes its source files: it gets copies in
  // memory, and its compact files go straight into DIR.
  cartella_compilazione copia(cartella);
  if (testi.linea_esiste) verifica(copia.metti_sorgente(file_linea(*f), testi.linea));
  if (testi.treno_esiste) verifica(copia.metti_sorgente(file_treno(*f), testi.treno));
  f->cartella = &copia;

  esito_compilazione e;
  try {
    memorizza_percorso(*f, senza_piano ? 0 : 1);
  } catch (const interruzione& fine) {
    if (fine.s.genere() != genere_stato::errore) throw;
    e.errore = fine.s.testo();
  }
  e.file = copia.scritti();
  if (e.errore)
    voci.push_back(diagnostica_fine(*f, *e.errore, testi));
  else if (f->numero_errore != 0)
    voci.push_back(diagnostica_errore(*f, testi));
  in_ordine_di_file(voci, *f);

  const int esito = e.errore ? uscita_errore : f->numero_errore != 0 ? uscita_errore_registrato : uscita_ok;
  if (a.ha_flag("--json")) {
    stampa_json(out, esito, *f, e, voci);
    return esito;
  }
  for (const diagnostica& d : voci) stampa_diagnostica(err, d);
  // Success is said in one line: what was written, and where.
  if (esito == uscita_ok) {
    out << "compilato: ";
    for (std::size_t k = 0; k < e.file.size(); ++k) out << (k ? ", " : "") << e.file[k];
    out << " in " << a.cartella << '\n';
  }
  // A recorded error stops the reading of the sources: the files are written
  // all the same, from what was read up to there.
  if (f->numero_errore != 0 && !e.errore && !e.file.empty()) {
    err << "scenario compile: i file compatti scritti sono incompleti (";
    for (std::size_t k = 0; k < e.file.size(); ++k) err << (k ? ", " : "") << e.file[k];
    err << "): l'errore ha fermato la lettura dei sorgenti\n";
  }
  return esito;
}
}  // namespace

const regola_comando regola_compile = {
    .nome = "compile",
    .riassunto = "compila i sorgenti di uno scenario nei suoi file compatti",
    .uso = "scenario compile [--no-plan] [--json] DIR ROUTE TRAIN",
    .aiuto = aiuto_compile,
    .posizionali = {posto::cartella, posto::percorso, posto::treno},
    .flag = {"--no-plan", "--json"},
    .sorgenti = true,
    .json = true,
    .esegui = compila,
};

int comando_compile(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  return esegui_comando(regola_compile, argomenti, out, err);
}
