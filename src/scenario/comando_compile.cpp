#include "scenario/comando_compile.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "base/cartella.h"
#include "base/codici_uscita.h"
#include "base/errore.h"
#include "base/nomi_file.h"
#include "model/form1.h"
#include "output/memorizza_percorso.h"
#include "scenario/diagnostica.h"
#include "scenario/nomi_scenario.h"
#include "scenario/testo_json.h"

namespace fs = std::filesystem;

const char* const aiuto_compile =
    "uso: scenario compile [--no-plan] [--json] DIR ROUTE TRAIN\n"
    "\n"
    "Compila il sorgente della linea DIR/ROUTE_linea.txt e il sorgente del treno\n"
    "DIR/ROUTE_TRAIN-.txt esattamente come fa il programma e scrive i file compatti\n"
    "in DIR, ciascuno sostituito per intero: ROUTE_linea.dat (la planimetria),\n"
    "ROUTE_TRAIN.sim (lo scenario) e ROUTE_TRAIN.dat (il tracciato). I file sorgente\n"
    "restano come sono.\n"
    "\n"
    "  --no-plan  compila senza planimetria: in DIR nessun file della planimetria\n"
    "             viene creato, cancellato o scritto\n"
    "  --json     stampa su stdout un oggetto JSON: numero_errore,\n"
    "             progressiva_errore, errore (il numero con cui la corsa \xC3\xA8 finita,\n"
    "             o null), files (i file compatti scritti, in ordine) e il posto di\n"
    "             un errore registrato: file, line, column, message\n"
    "  --help     stampa questo testo\n"
    "\n"
    "Un errore registrato \xC3\xA8 segnalato su stderr come FILE:RIGA:COLONNA: Errore n. N\n"
    "(progressiva P): spiegazione, seguito dalla riga del sorgente e da un segno ^\n"
    "sotto il campo in errore; un errore senza posto nei sorgenti \xC3\xA8 segnalato\n"
    "come lo segnala il programma.\n"
    "\n"
    "ROUTE e TRAIN sono nomi, non percorsi: niente separatori di percorso, lettere\n"
    "di unit\xC3\xA0, \"..\" o caratteri di controllo.\n"
    "\n"
    "Stato di uscita: 0 nessun errore registrato; 1 un errore registrato, i file\n"
    "compatti scritti; 2 la corsa \xC3\xA8 finita con \" Errore n. \" e non ha scritto file\n"
    "compatti; 2 anche quando un file non si pu\xC3\xB2 leggere o scrivere; 64 un errore\n"
    "d'uso.\n";

namespace {

struct opzioni {
  bool senza_piano = false;
  bool json = false;
  bool aiuto = false;
  std::vector<std::string> posizionali;
};

// "" when the words make a command, else the fault.
std::string leggi_opzioni(std::span<const std::string> argomenti, opzioni& o) {
  bool solo_posizionali = false;
  for (const std::string& a : argomenti) {
    if (!solo_posizionali && a == "--") {
      solo_posizionali = true;
    } else if (!solo_posizionali && a.size() > 1 && a[0] == '-') {
      if (a == "--no-plan") o.senza_piano = true;
      else if (a == "--json") o.json = true;
      else if (a == "--help" || a == "-h") o.aiuto = true;
      else return "opzione sconosciuta '" + a + "'";
    } else {
      o.posizionali.push_back(a);
    }
  }
  if (o.aiuto) return "";
  if (o.posizionali.size() != 3)
    return "servono DIR ROUTE TRAIN, dati " + std::to_string(o.posizionali.size()) + " argomenti";
  const char* nomi[] = {"ROUTE", "TRAIN"};
  for (std::size_t k = 0; k < 2; ++k) {
    const std::string motivo = motivo_nome_non_valido(o.posizionali[k + 1]);
    if (!motivo.empty()) return std::string(nomi[k]) + " \xC3\xA8 un nome, non un percorso: '" + o.posizionali[k + 1] + "' " + motivo;
  }
  std::error_code ec;
  if (!fs::is_directory(percorso_utf8(o.posizionali[0]), ec)) return "DIR '" + o.posizionali[0] + "' non \xC3\xA8 una cartella";
  return "";
}

int errore_uso(std::ostream& err, const std::string& guasto) {
  err << "scenario compile: " << guasto << "\n"
      << "uso: scenario compile [--no-plan] [--json] DIR ROUTE TRAIN\n"
      << "Vedi 'scenario compile --help'.\n";
  return uscita_uso;
}

struct esito_compilazione {
  std::optional<std::string> errore;  // the text the run ended with through errore
  std::vector<std::string> file;      // compact files put into DIR, in order
};

void stampa_json(std::ostream& out, const Form1& f, const esito_compilazione& e, const testi_sorgente& t) {
  out << "{\"numero_errore\": " << f.numero_errore << ", \"progressiva_errore\": " << f.progressiva_errore
      << ", \"errore\": " << (e.errore ? testo_json(*e.errore) : std::string("null")) << ", \"files\": [";
  for (std::size_t k = 0; k < e.file.size(); ++k) out << (k ? ", " : "") << testo_json(e.file[k]);
  out << "]";
  // Where the recorded error lies; null when there is none or it has no place in the sources.
  if (!e.errore && f.numero_errore != 0) {
    const diagnostica d = diagnostica_errore(f, t);
    if (d.con_posizione)
      out << ", \"file\": " << testo_json(d.file) << ", \"line\": " << d.riga << ", \"column\": " << d.colonna;
    else
      out << ", \"file\": null, \"line\": null, \"column\": null";
    out << ", \"message\": " << testo_json(d.messaggio);
  } else {
    out << ", \"file\": null, \"line\": null, \"column\": null, \"message\": null";
  }
  out << "}\n";
}

// The author's sources as they stand before the compiler touches its copies.
// A missing file stays missing: the compiler reports it.
std::string leggi_sorgente(const cartella_file& cartella, const std::string& nome, bool& esiste) {
  std::string byte;
  const stato letto = cartella.leggi(nome, byte);
  esiste = letto.ok();
  if (letto.genere() != genere_stato::non_trovato) verifica(letto);
  return byte;
}

testi_sorgente leggi_sorgenti(const cartella_file& cartella, const Form1& f) {
  testi_sorgente t;
  t.linea = leggi_sorgente(cartella, file_linea(f), t.linea_esiste);
  t.treno = leggi_sorgente(cartella, file_treno(f), t.treno_esiste);
  return t;
}

int compila(const opzioni& o, std::ostream& out, std::ostream& err) {
  cartella_disco cartella(percorso_utf8(o.posizionali[0]));
  auto f = std::make_unique<Form1>();
  f->nome_percorso = o.posizionali[1];
  f->numero_treno = o.posizionali[2];
  const testi_sorgente testi = leggi_sorgenti(cartella, *f);
  // The compiler reads and deletes its source files: it gets copies in memory.
  cartella_memoria copia;
  if (testi.linea_esiste) verifica(copia.sostituisci(file_linea(*f), testi.linea));
  if (testi.treno_esiste) verifica(copia.sostituisci(file_treno(*f), testi.treno));
  f->cartella = &copia;
  esito_compilazione e;
  std::vector<std::string> scritti;
  try {
    memorizza_percorso(*f, o.senza_piano ? 0 : 1, &scritti);
  } catch (const interruzione& fine) {
    if (fine.s.genere() != genere_stato::errore) throw;
    e.errore = fine.s.testo();
  }
  // Only files the run wrote reach DIR, each replaced whole.
  for (const std::string& nome : scritti) {
    std::string byte;
    verifica(copia.leggi(nome, byte));
    verifica(cartella.sostituisci(nome, byte));
    e.file.push_back(nome);
  }
  if (o.json) {
    stampa_json(out, *f, e, testi);
    if (e.errore) return uscita_errore;
    return f->numero_errore != 0 ? uscita_errore_registrato : uscita_ok;
  }
  if (e.errore) {
    err << messaggio_errore(*e.errore) << '\n';
    return uscita_errore;
  }
  if (f->numero_errore == 0) return uscita_ok;
  stampa_diagnostica(err, diagnostica_errore(*f, testi));
  return uscita_errore_registrato;
}
}  // namespace

int comando_compile(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  opzioni o;
  const std::string guasto = leggi_opzioni(argomenti, o);
  if (o.aiuto) {
    out << aiuto_compile;
    return 0;
  }
  if (!guasto.empty()) return errore_uso(err, guasto);
  try {
    return compila(o, out, err);
  } catch (const interruzione& e) {
    err << "scenario compile: " << e.s.messaggio() << '\n';
    return uscita_errore;
  }
}
