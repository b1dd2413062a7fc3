#include "scenario/comando_check.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <numeric>
#include <optional>

#include "compiler/lettore_voci.h"
#include "base/errore.h"
#include "base/file_system.h"
#include "base/nomi_file.h"
#include "model/form1.h"
#include "output/memorizza_percorso.h"
#include "scenario/argomenti_scenario.h"
#include "scenario/cartella_privata.h"
#include "scenario/diagnostica.h"

namespace fs = std::filesystem;

const char* const aiuto_check =
    "usage: scenario check [--strict] [--json] DIR ROUTE TRAIN\n"
    "\n"
    "Finds every error of DIR/ROUTE_linea.txt and DIR/ROUTE_TRAIN-.txt, not only the\n"
    "first: compiles a private copy of the two files, reports the error at its line\n"
    "and column in your file, sets the offending record aside in the copy and\n"
    "compiles again, until no error is left or 100 are found. Ends with the count.\n"
    "An error of the code check (11 to 13) is put on the slowdown it belongs to.\n"
    "An error with no record to set aside (one that ends the run, or one with no\n"
    "place in the sources) stops the search. Nothing is written into DIR.\n"
    "\n"
    "Warnings come first, as FILE:LINE:COLUMN: avviso: ...: what the compiler reads\n"
    "silently in a way you may not mean (a number with other characters, an empty\n"
    "value, a record whose values run into the next line or past its own, a\n"
    "keyword not known where it stands, text in UTF-8, no station, no curve).\n"
    "They never change the compiled files.\n"
    "\n"
    "  --strict  exit 1 on warnings too\n"
    "  --json    print one JSON object on stdout: errori, avvisi and diagnostics,\n"
    "            each with kind, file, line, column, code and message\n"
    "\n"
    "Exit status: 0 no error (warnings allowed without --strict); 1 errors found,\n"
    "or warnings with --strict; 2 could not run (a source file missing); 64 a\n"
    "usage error.\n";

namespace {
constexpr int massimo_errori = 100;

// One source file of the private copy and, for each of its lines, the
// number of that line in the author's file.
struct sorgente_privata {
  bool esiste = false;
  std::string testo;
  std::vector<std::size_t> righe_originali;
};

sorgente_privata carica(const fs::path& file) {
  sorgente_privata s;
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return s;
  std::ifstream in(file, std::ios::binary);
  if (!in.is_open()) throw errore_file_system(file, "cannot open");
  s.testo.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  s.esiste = true;
  s.righe_originali.resize(posizione_di(s.testo, s.testo.size()).riga);
  std::iota(s.righe_originali.begin(), s.righe_originali.end(), std::size_t{1});
  return s;
}

// Removes the line holding offset, its line end included; false when that
// line is empty (nothing left to set aside).
bool metti_da_parte(sorgente_privata& s, std::size_t offset) {
  if (offset > s.testo.size()) return false;
  std::size_t inizio = 0;
  if (offset > 0) {
    const std::size_t a_capo = s.testo.find_last_of("\r\n", offset - 1);
    if (a_capo != std::string::npos) inizio = a_capo + 1;
  }
  std::size_t fine = s.testo.find_first_of("\r\n", offset);
  if (fine == std::string::npos) fine = s.testo.size();
  if (fine == inizio) return false;
  if (fine < s.testo.size()) fine += (s.testo[fine] == '\r' && fine + 1 < s.testo.size() && s.testo[fine + 1] == '\n') ? 2 : 1;
  const std::size_t riga = posizione_di(s.testo, inizio).riga;
  s.testo.erase(inizio, fine - inizio);
  if (riga - 1 < s.righe_originali.size())
    s.righe_originali.erase(s.righe_originali.begin() + static_cast<std::ptrdiff_t>(riga - 1));
  return true;
}

std::string conta(std::size_t errori, std::size_t avvisi) {
  return std::to_string(errori) + (errori == 1 ? " errore, " : " errori, ") + std::to_string(avvisi) +
         (avvisi == 1 ? " avviso" : " avvisi");
}

int controlla(const argomenti_comando& a, std::ostream& out, std::ostream& err) {
  Form1 nomi;
  nomi.cartella = a.posizionali[0];
  nomi.nome_percorso = a.posizionali[1];
  nomi.numero_treno = a.posizionali[2];
  if (const std::string manca = sorgente_mancante(nomi); !manca.empty()) {
    err << "scenario check: " << manca << '\n';
    return 2;
  }
  const bool json = a.ha_flag("--json");
  sorgente_privata linea = carica(file_linea(nomi)), treno = carica(file_treno(nomi));
  std::vector<diagnostica> voci =
      avvisi_sorgenti(nomi, {linea.esiste, treno.esiste, linea.testo, treno.testo}, true);
  const std::size_t avvisi = voci.size();
  if (!json)
    for (const diagnostica& d : voci) stampa_diagnostica(err, d);
  cartella_privata privata;

  int trovati = 0;
  while (trovati < massimo_errori) {
    auto f = std::make_unique<Form1>();
    f->cartella = privata.percorso;
    f->nome_percorso = nomi.nome_percorso;
    f->numero_treno = nomi.numero_treno;
    // The compiler may delete its copies: each pass starts from the kept texts.
    for (const fs::path& p : {file_linea(*f), file_treno(*f)}) elimina_file(p);
    if (linea.esiste) sostituisci_file(file_linea(*f), linea.testo);
    if (treno.esiste) sostituisci_file(file_treno(*f), treno.testo);
    const testi_sorgente testi{linea.esiste, treno.esiste, linea.testo, treno.testo};
    std::optional<std::string> fine;
    try {
      memorizza_percorso(*f, 1, nullptr);
    } catch (const fine_con_errore& e) {
      fine = e.a;
    }
    if (!fine && f->numero_errore == 0) break;
    ++trovati;
    diagnostica d = fine ? diagnostica_fine(*f, *fine, testi) : diagnostica_errore(*f, testi);
    sorgente_privata& s = d.origine.file == file_sorgente::linea ? linea : treno;
    if (d.con_posizione) {
      if (d.riga - 1 < s.righe_originali.size()) d.riga = s.righe_originali[d.riga - 1];
      d.file = (d.origine.file == file_sorgente::linea ? file_linea(nomi) : file_treno(nomi)).filename().string();
    }
    if (json) voci.push_back(d);
    else stampa_diagnostica(err, d);
    // The run ended through errore: the first error the compiler met ends it,
    // with nothing to set aside.
    if (fine) break;
    // Too many stations for the sign texts is a fault of the two files
    // together: setting one station aside after another would only repeat it.
    if (f->numero_errore == 10) {
      err << "scenario check: le stazioni e i cartelli indicatori non stanno insieme, la ricerca si ferma qui\n";
      break;
    }
    if (!d.con_posizione || !metti_da_parte(s, d.origine.offset)) {
      err << "scenario check: nessun record da mettere da parte, la ricerca si ferma qui\n";
      break;
    }
  }
  if (trovati >= massimo_errori) err << "scenario check: ricerca fermata dopo " << massimo_errori << " errori\n";
  if (json) {
    out << "{\"errori\": " << trovati << ", \"avvisi\": " << avvisi << ", \"diagnostics\": ";
    stampa_diagnostiche_json(out, voci);
    out << "}\n";
  } else {
    out << conta(static_cast<std::size_t>(trovati), avvisi) << '\n';
  }
  if (trovati > 0) return 1;
  return avvisi > 0 && a.ha_flag("--strict") ? 1 : 0;
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
    err << "scenario check: " << guasto << "\nusage: scenario check [--strict] [--json] DIR ROUTE TRAIN\nTry 'scenario check --help'.\n";
    return 64;
  }
  try {
    return controlla(a, out, err);
  } catch (const errore_file_system& e) {
    err << "scenario check: " << e.what() << '\n';
    return 2;
  }
}
