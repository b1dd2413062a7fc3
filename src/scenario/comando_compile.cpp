#include "scenario/comando_compile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

#include "base/errore.h"
#include "base/file_system.h"
#include "base/nomi_file.h"
#include "model/form1.h"
#include "output/memorizza_percorso.h"
#include "scenario/cartella_privata.h"
#include "scenario/diagnostica.h"
#include "scenario/nomi_scenario.h"
#include "scenario/testo_json.h"

namespace fs = std::filesystem;

const char* const aiuto_compile =
    "usage: scenario compile [--no-plan] [--json] DIR ROUTE TRAIN\n"
    "\n"
    "Compiles the line source file DIR/ROUTE_linea.txt and the train source file\n"
    "DIR/ROUTE_TRAIN-.txt exactly as the program does and writes the compact files\n"
    "into DIR, each replaced whole: ROUTE_linea.dat (the plan), ROUTE_TRAIN.sim\n"
    "(the scenario) and ROUTE_TRAIN.dat (the track). The source files are left as\n"
    "they are.\n"
    "\n"
    "  --no-plan  compile without the plan: no plan file is created, deleted or\n"
    "             written in DIR\n"
    "  --json     print one JSON object on stdout: numero_errore,\n"
    "             progressiva_errore, errore (the number the run ended with, or\n"
    "             null), files (the compact files written, in order) and the\n"
    "             place of a recorded error: file, line, column, message\n"
    "  --help     print this text\n"
    "\n"
    "A recorded error is reported on stderr as FILE:LINE:COLUMN: Errore n. N\n"
    "(progressiva P): explanation, followed by the source line and a caret under\n"
    "the field at fault; an error with no place in the sources is reported as the\n"
    "program reports it.\n"
    "\n"
    "ROUTE and TRAIN are names, not paths: no path separator, drive prefix, \"..\"\n"
    "or control character.\n"
    "\n"
    "Exit status: 0 no error recorded; 1 an error recorded, the compact files\n"
    "written; 2 the run ended with \" Errore n. \" and wrote no compact file;\n"
    "2 also when a file could not be read or written; 64 a usage error.\n";

namespace {
constexpr int esito_uso = 64;
constexpr int esito_file_system = 2;  // could not run, as for every command

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
      else return "unknown option '" + a + "'";
    } else {
      o.posizionali.push_back(a);
    }
  }
  if (o.aiuto) return "";
  if (o.posizionali.size() != 3)
    return "expected DIR ROUTE TRAIN, got " + std::to_string(o.posizionali.size()) + " argument(s)";
  const char* nomi[] = {"ROUTE", "TRAIN"};
  for (std::size_t k = 0; k < 2; ++k) {
    const std::string motivo = motivo_nome_non_valido(o.posizionali[k + 1]);
    if (!motivo.empty()) return std::string(nomi[k]) + " is a name, not a path: '" + o.posizionali[k + 1] + "' " + motivo;
  }
  std::error_code ec;
  if (!fs::is_directory(o.posizionali[0], ec)) return "DIR '" + o.posizionali[0] + "' is not a folder";
  return "";
}

int errore_uso(std::ostream& err, const std::string& guasto) {
  err << "scenario compile: " << guasto << "\n"
      << "usage: scenario compile [--no-plan] [--json] DIR ROUTE TRAIN\n"
      << "Try 'scenario compile --help'.\n";
  return esito_uso;
}

// A source file that is missing stays missing: the compiler reports it.
void copia_sorgente(const fs::path& da, const fs::path& a) {
  std::error_code ec;
  if (!fs::is_regular_file(da, ec)) return;
  fs::copy_file(da, a, fs::copy_options::overwrite_existing, ec);
  if (ec) throw errore_file_system(da, "cannot copy: " + ec.message());
}

std::string leggi_file(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in.is_open()) throw errore_file_system(file, "cannot open");
  std::string byte((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw errore_file_system(file, "cannot read");
  return byte;
}

// A compact file of the private folder replaces its namesake in DIR whole:
// moved over it where both folders share a file system (no copy of its bytes),
// else read and written anew.
void porta_in(const fs::path& da, const fs::path& a) {
  std::error_code ec;
  fs::rename(da, a, ec);
  if (!ec) return;
  sostituisci_file(a, leggi_file(da));
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
testi_sorgente leggi_sorgenti(const fs::path& linea, const fs::path& treno) {
  testi_sorgente t;
  std::error_code ec;
  if ((t.linea_esiste = fs::is_regular_file(linea, ec))) t.linea = leggi_file(linea);
  if ((t.treno_esiste = fs::is_regular_file(treno, ec))) t.treno = leggi_file(treno);
  return t;
}

int compila(const opzioni& o, std::ostream& out, std::ostream& err) {
  const fs::path cartella = o.posizionali[0];
  cartella_privata privata;
  auto f = std::make_unique<Form1>();
  f->nome_percorso = o.posizionali[1];
  f->numero_treno = o.posizionali[2];
  f->cartella = cartella;
  const fs::path linea = file_linea(*f), treno = file_treno(*f);
  const testi_sorgente testi = leggi_sorgenti(linea, treno);
  f->cartella = privata.percorso;
  copia_sorgente(linea, file_linea(*f));
  copia_sorgente(treno, file_treno(*f));

  esito_compilazione e;
  std::vector<fs::path> scritti;
  try {
    memorizza_percorso(*f, o.senza_piano ? 0 : 1, &scritti);
  } catch (const fine_con_errore& fine) {
    e.errore = fine.a;
  }
  // Only files the run wrote reach DIR, each replaced whole.
  for (const fs::path& p : scritti) {
    porta_in(p, cartella / p.filename());
    e.file.push_back(p.filename().string());
  }

  if (o.json) {
    stampa_json(out, *f, e, testi);
    if (e.errore) return 2;
    return f->numero_errore != 0 ? 1 : 0;
  }
  if (e.errore) {
    err << messaggio_errore(*e.errore) << '\n';
    return 2;
  }
  if (f->numero_errore == 0) return 0;
  stampa_diagnostica(err, diagnostica_errore(*f, testi));
  return 1;
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
  } catch (const errore_file_system& e) {
    err << "scenario compile: " << e.what() << '\n';
    return esito_file_system;
  }
}
