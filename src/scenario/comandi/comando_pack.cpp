#include "scenario/comandi/comando_pack.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "base/cartella.h"
#include "base/cartella_eseguibile.h"
#include "base/codici_uscita.h"
#include "base/nomi_file.h"
#include "output/formati/carico.h"
#include "scenario/comandi/prologo_comando.h"
#include "scenario/documenti_autore/confronto_documenti.h"
#include "scenario/documenti_autore/documenti_scenario.h"
#include "scenario/sorgenti/controllo_sorgenti.h"
#include "scenario/sorgenti/diagnostica.h"
#include "scenario/testo/da_1252.h"

namespace fs = std::filesystem;

const char* const aiuto_pack =
    "uso: scenario pack DIR ROUTE TRAIN --out FILE [--windows] [--keep-documents]\n"
    "\n"
    "Scrive in FILE un programma che installa lo scenario di DIR come\n"
    "Velstra_Ordoven_318 installa quello incorporato: eseguito, scrive nella propria\n"
    "cartella i due sorgenti e i tre documenti, li compila nei tre file compatti,\n"
    "cancella i sorgenti e finisce, con la stessa finestra, gli stessi messaggi e\n"
    "gli stessi stati di uscita. Prende da DIR ROUTE_linea.txt, ROUTE_TRAIN-.txt,\n"
    "ROUTE_TRAIN_scheda_treno.txt, ROUTE_TRAIN_rallentamenti.txt e\n"
    "ROUTE_TRAIN_note.txt cos\xC3\xAC come sono: i documenti si fanno prima con\n"
    "'scenario documents DIR ROUTE TRAIN'. Documenti diversi da quelli che\n"
    "documents fa ora dai sorgenti e dalla tabella (scritti prima di una modifica\n"
    "dei sorgenti, o modificati a mano) sono rifiutati con le righe diverse e il\n"
    "comando da eseguire. FILE \xC3\xA8 il programma stesso con lo scenario in coda\n"
    "(con un controllo CRC-32C: un programma alterato non scrive nulla ed esce\n"
    "con 2), reso eseguibile.\n"
    "\n"
    "  --out FILE        il programma da scrivere, sostituito per intero\n"
    "  --windows         il programma per Windows (Velstra_Ordoven_318.exe o\n"
    "                    velstra_stub.exe accanto a scenario, da 'make windows')\n"
    "  --keep-documents  i documenti di DIR come sono, senza confrontarli con i\n"
    "                    sorgenti: documenti modificati a mano di proposito\n"
    "\n"
    "Stato di uscita: 0 scritto; 1 errori nei sorgenti (come li d\xC3\xA0 check) o\n"
    "documenti non aggiornati, nulla scritto; 2 non \xC3\xA8 stato possibile eseguire\n"
    "(un file manca, nessun programma da impacchettare); 64 un errore d'uso.\n";

namespace {

// The program to pack: the one built or installed with this tool, without
// a scenario of its own appended.
std::vector<fs::path> programmi_possibili(bool windows) {
  const fs::path qui = cartella_eseguibile();
#if defined(_WIN32)
  const bool exe = true;
#else
  const bool exe = windows;
#endif
  const std::string coda = exe ? ".exe" : "";
  std::vector<fs::path> v = {qui / ("velstra_stub" + coda), qui / ("Velstra_Ordoven_318" + coda)};
  if (!windows || exe) v.push_back(qui.parent_path() / "share" / "velstra_ordoven" / ("Velstra_Ordoven_318" + coda));
  return v;
}

// The tool as the author runs it from here: dist/scenario after make run,
// ./scenario beside it, plain scenario from anywhere else (the PATH).
std::string comando_strumento() {
  std::error_code ec;
  const fs::path qui = fs::current_path(ec);
  if (ec) return "scenario";
  const fs::path relativa = cartella_eseguibile().lexically_relative(qui);
  if (relativa.empty() || *relativa.begin() == "..") return "scenario";
  fs::path strumento = (relativa / "scenario").lexically_normal();
  // Beside the tool, the shell still needs the folder to run it.
  if (!strumento.has_parent_path()) strumento = fs::path(".") / strumento;
  return testo_utf8(strumento.make_preferred());
}

std::string come_riscriverli(const argomenti_comando& a) {
  return comando_strumento() + " documents " + a.cartella + " " + a.percorso + " " + a.treno;
}

// Rows of one document shown before the rest is only counted.
constexpr std::size_t righe_mostrate = 10;

// A row of a document as the author reads it: UTF-8, or a word for none.
std::string riga_letta(const std::optional<std::string>& r) { return r ? utf8_da_1252(*r) : "(nessuna riga)"; }

// Whether the three documents of DIR are those documents makes now; when
// not, each differing row (file, line, what DIR has, what the sources give)
// and the command that writes them again go to err. A fault of the table or
// the notes, which documents would refuse, is said too: the documents cannot
// be checked against it.
bool documenti_in_passo(const cartella_file& cartella, const argomenti_comando& a, const esito_documenti& e,
                        std::ostream& err) {
  const nomi_scenario nomi = a.nomi();
  if (!e.errori.empty()) {
    for (const std::string& x : e.errori) err << x << '\n';
    err << "scenario pack: la tabella o le note hanno errori, i documenti non si possono confrontare con i sorgenti;\n"
           "nessun programma scritto ('"
        << come_riscriverli(a) << "' li mostra).\n";
    return false;
  }
  const std::pair<std::string, const std::string*> file[] = {
      {file_scheda(nomi), &e.documenti.scheda},
      {file_rallentamenti(nomi), &e.documenti.rallentamenti},
      {file_note(nomi), &e.documenti.note},
  };
  bool in_passo = true;
  for (const auto& [nome, attesi] : file) {
    std::string presenti;
    verifica(cartella.leggi(nome, presenti));
    const std::vector<riga_diversa> diverse = righe_diverse(presenti, *attesi);
    if (diverse.empty()) continue;
    in_passo = false;
    const std::string dove = cartella.nome_completo(nome);
    err << "scenario pack: " << dove << " non \xC3\xA8 quello che i sorgenti e la tabella danno ora:\n";
    for (std::size_t k = 0; k < diverse.size() && k < righe_mostrate; ++k) {
      const riga_diversa& d = diverse[k];
      err << dove << ':' << d.riga << ':'
          << (d.fine_diversa
                  ? " la riga \xC3\xA8 la stessa, la fine riga no (i documenti finiscono ogni riga con CR LF)"
                  : "")
          << "\n  nella cartella: " << riga_letta(d.presente) << "\n  dai sorgenti:   " << riga_letta(d.attesa) << '\n';
    }
    if (diverse.size() > righe_mostrate)
      err << "  ... e altre " << diverse.size() - righe_mostrate << " righe diverse in questo file\n";
  }
  if (!in_passo)
    err << "scenario pack: documenti non aggiornati, nessun programma scritto. Si riscrivono con\n"
        << "  " << come_riscriverli(a) << "\n"
        << "(ogni documento sostituito resta come .bak), poi di nuovo 'scenario pack'. Per impacchettare\n"
           "di proposito documenti modificati a mano: --keep-documents.\n";
  return in_passo;
}

int impacchetta(const argomenti_comando& a, std::ostream&, std::ostream& err) {
  const std::string& dir = a.cartella;
  cartella_disco cartella(percorso_utf8(dir));
  const nomi_scenario nomi = a.nomi();
  for (const std::string& nome : {file_scheda(nomi), file_rallentamenti(nomi), file_note(nomi)})
    if (!cartella.esiste(nome)) {
      err << "scenario pack: " << cartella.nome_completo(nome) << ": file non trovato\n"
          << "I documenti del macchinista si scrivono con '" << come_riscriverli(a)
          << "', poi di nuovo 'scenario pack'.\n";
      return uscita_errore;
    }
  // The documents are checked against what documents makes from the sources
  // now, unless the author keeps their own on purpose.
  const bool come_sono = a.ha_flag("--keep-documents");
  esito_documenti documenti;
  if (come_sono)
    documenti.controllo = controlla_sorgenti(cartella, nomi);
  else
    documenti = documenti_da_sorgenti(cartella, nomi);
  const esito_controllo& controllo = documenti.controllo;
  if (controllo.errori > 0) {
    for (const diagnostica& d : controllo.voci)
      if (!d.avviso) stampa_diagnostica(err, d);
    err << "scenario pack: " << controllo.errori << (controllo.errori == 1 ? " errore" : " errori")
        << " nei sorgenti, nessun programma scritto ('scenario check' li mostra con gli avvisi)\n";
    return uscita_errore_registrato;
  }
  if (!come_sono && !documenti_in_passo(cartella, a, documenti, err)) return uscita_errore_registrato;

  carico_scenario c;
  c.percorso = nomi.nome_percorso;
  c.treno = nomi.numero_treno;
  const std::pair<std::string, std::string*> campi[] = {
      {file_linea(nomi), &c.linea},   {file_treno(nomi), &c.sorgente_treno},
      {file_scheda(nomi), &c.scheda}, {file_rallentamenti(nomi), &c.rallentamenti},
      {file_note(nomi), &c.note},
  };
  for (const auto& [nome, byte] : campi) verifica(cartella.leggi(nome, *byte));

  const bool windows = a.ha_flag("--windows");
  std::string programma;
  fs::path da;
  for (const fs::path& p : programmi_possibili(windows)) {
    std::error_code ec;
    if (!fs::is_regular_file(p, ec)) continue;
    cartella_disco cartella_programma(p.parent_path());
    verifica(cartella_programma.leggi(testo_utf8(p.filename()), programma));
    da = p;
    break;
  }
  if (da.empty()) {
    err << "scenario pack: nessun programma da impacchettare: cercato";
    for (const fs::path& p : programmi_possibili(windows)) err << ' ' << testo_utf8(p);
    err << (windows ? "\nIl programma per Windows si costruisce con 'make windows'.\n" : "\n");
    return uscita_errore;
  }
  carico_scenario gia;
  bool presente = false;
  if (leggi_carico(programma, gia, presente); presente) {
    err << "scenario pack: " << testo_utf8(da)
        << " porta gi\xC3\xA0 uno scenario: serve il programma come \xC3\xA8 costruito\n";
    return uscita_errore;
  }

  const fs::path uscita = percorso_utf8(*a.valore("--out"));
  fs::path cartella_uscita = uscita.parent_path();
  if (cartella_uscita.empty()) cartella_uscita = ".";
  cartella_disco destinazione(cartella_uscita);
  const std::string nome_uscita = testo_utf8(uscita.filename());
  verifica(destinazione.sostituisci(nome_uscita, programma + codifica_carico(c)));
  std::error_code ec;
  fs::permissions(uscita, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec, fs::perm_options::add,
                  ec);
  if (ec) {
    err << "scenario pack: " << testo_utf8(uscita) << ": impossibile renderlo eseguibile: " << ec.message() << '\n';
    return uscita_errore;
  }
  err << "scritto " << testo_utf8(uscita) << " (" << nomi.nome_percorso << " " << nomi.numero_treno << ", da "
      << testo_utf8(da.filename()) << ")\n";
  return uscita_ok;
}

stato controlla_uscita_pacchetto(const argomenti_comando& a) {
  if (!a.valore("--out")) return stato::valore("manca --out FILE");
  return {};
}

}  // namespace

const regola_comando regola_pack = {
    .nome = "pack",
    .riassunto = "scrive un programma che installa lo scenario di DIR",
    .uso = "scenario pack DIR ROUTE TRAIN --out FILE [--windows] [--keep-documents]",
    .aiuto = aiuto_pack,
    .posizionali = {posto::cartella, posto::percorso, posto::treno},
    .flag = {"--windows", "--keep-documents"},
    .opzioni_con_valore = {"--out"},
    .sorgenti = true,
    .controlla = controlla_uscita_pacchetto,
    .esegui = impacchetta,
};

int comando_pack(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  return esegui_comando(regola_pack, argomenti, out, err);
}
