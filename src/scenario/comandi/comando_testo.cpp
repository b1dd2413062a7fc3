#include "scenario/comandi/comando_testo.h"

#include <filesystem>
#include <optional>

#include "base/cartella.h"
#include "base/codici_uscita.h"
#include "base/file_disco.h"
#include "scenario/comandi/prologo_comando.h"
#include "scenario/sorgenti/compagno_sorgente.h"
#include "scenario/sorgenti/elenco_sorgente.h"

namespace {

namespace fs = std::filesystem;

const char* const aiuto_testo =
    "uso: scenario testo FILE [--linea FILE] [--solo]\n"
    "\n"
    "Stampa un elenco canonico di un file sorgente (ROUTE_linea.txt o\n"
    "ROUTE_TRAIN-.txt), in UTF-8: una riga per record, con il suo genere, la\n"
    "progressiva come letta, la cella in cui il compilatore lo mette e il punto\n"
    "chilometrico, poi i suoi campi per nome con il valore che il compilatore\n"
    "legge (\"segnale 2800 (cella 57, pk 2+800): tipo_segnale=2 ...\"). Commenti,\n"
    "righe vuote, a capo e allineamento delle colonne non compaiono: un file\n"
    "riformattato d\xC3\xA0 lo stesso elenco, un segnale spostato cambia la sua riga.\n"
    "Un file che non \xC3\xA8 un sorgente: quel che si legge, e dove la lettura si ferma.\n"
    "\n"
    "I punti chilometrici di un file del treno vengono dal file della linea\n"
    "(--linea FILE, o ROUTE_linea.txt accanto a FILE); un file della linea ha i\n"
    "suoi, e i nomi delle stazioni vengono dal solo file del treno accanto a lui.\n"
    "--solo: nessun file cercato accanto a FILE (per git, che passa a un lato una\n"
    "copia temporanea e all'altro il file stesso: i due elenchi devono\n"
    "confrontarsi riga per riga).\n"
    "\n"
    "Con git (git diff e git log -p in termini di binari), in .gitattributes:\n"
    "  *_linea.txt diff=scenario\n"
    "  *-.txt diff=scenario\n"
    "e una volta:\n"
    "  git config diff.scenario.textconv \"scenario testo --solo\"\n"
    "\n"
    "Stato di uscita: 0 elencato; 2 un file non si legge; 64 un errore d'uso.\n";

int elenca(const argomenti_comando& a, std::ostream& out, std::ostream& err) {
  const fs::path file = percorso_utf8(a.file);
  std::string byte;
  if (const stato s = leggi_file_disco(file, byte); !s.ok()) {
    err << "scenario testo: " << a.file << ": " << s.testo() << '\n';
    return uscita_errore;
  }
  // The name says which file it is; a name that does not, the bytes.
  const bool treno = e_file_treno(testo_utf8(file.filename()), byte);
  const std::string* linea = a.valore("--linea");
  if (linea && !treno) {
    stampa_uso(regola_testo, err, "--linea vale per un file del treno: " + a.file + " \xC3\xA8 un file della linea");
    return uscita_uso;
  }
  std::optional<std::string> compagno;
  if (linea) {
    compagno.emplace();
    if (const stato s = leggi_file_disco(percorso_utf8(*linea), *compagno); !s.ok()) {
      err << "scenario testo: " << *linea << ": " << s.testo() << '\n';
      return uscita_errore;
    }
  } else if (!a.ha_flag("--solo")) {
    if (std::optional<compagno_sorgente> accanto = compagno_accanto(file, treno)) compagno = std::move(accanto->byte);
  }
  std::optional<struttura_sorgente> struttura;
  compagno_elenco c;
  if (compagno) {
    struttura = leggi_struttura(*compagno, !treno);
    (treno ? c.linea : c.treno) = &*struttura;
  }
  out << elenco_sorgente(byte, treno, c);
  return uscita_ok;
}

stato controlla_testo(const argomenti_comando& a) {
  if (a.ha_flag("--solo") && a.valore("--linea")) return stato::valore("--solo e --linea insieme");
  if (const std::string* l = a.valore("--linea"); l && l->empty()) return stato::valore("--linea vuoto");
  return {};
}

}  // namespace

const regola_comando regola_testo = {
    .nome = "testo",
    .riassunto = "un sorgente come elenco canonico di record, per git diff",
    .uso = "scenario testo FILE [--linea FILE] [--solo]",
    .aiuto = aiuto_testo,
    .posizionali = {posto::file},
    .flag = {"--solo"},
    .opzioni_con_valore = {"--linea"},
    .controlla = controlla_testo,
    .esegui = elenca,
};

int comando_testo(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  return esegui_comando(regola_testo, argomenti, out, err);
}
