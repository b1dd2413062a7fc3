#pragma once
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/nomi_scenario.h"
#include "base/stato.h"

// What a word of a command line stands for, in the order the command takes
// them. The reader checks each as it reads it; the prologue checks the folders
// before the command runs.
enum class posto {
  cartella,            // DIR: a folder that must exist (exit 2 when it does not)
  cartella_creata,     // DIR: made by the command when missing; not empty
  cartella_nuova,      // DIR: a folder that must not exist yet (exit 2 when it does)
  percorso,            // ROUTE: a route key, a name (base/nomi_scenario.h)
  treno,               // TRAIN: a train number, a name
  file,                // FILE: any path, not empty
  nome_facoltativo,    // NAME: one word or none
  parola,              // a word as given, into parole (git's words to a diff driver)
  parola_facoltativa,  // the same, or none: only after every word that must be there
};

// The words of a command read into named fields. A second folder (two
// scenarios compared) goes to altra_cartella.
struct argomenti_comando {
  std::string cartella, altra_cartella;
  std::string percorso, treno;
  std::string file;
  std::string nome;
  bool ha_nome = false;
  std::vector<std::string> parole;
  std::vector<std::string> flag;
  std::vector<std::pair<std::string, std::string>> valori;
  bool aiuto = false;
  bool ha_flag(std::string_view nome) const;
  const std::string* valore(std::string_view nome) const;
  nomi_scenario nomi() const { return {percorso, treno}; }
};

// One row of the tool's table of commands: what the command is called, what
// it reads and what must hold before it runs. The shared prologue
// (esegui_comando) reads the words, answers --help, refuses a bad command
// line with the one usage printer, checks the folders and the two sources,
// then runs esegui and turns a failure it throws into exit status 2.
struct regola_comando {
  std::string_view nome{};
  std::string_view riassunto{};  // the line of 'scenario --help'
  std::string_view uso{};        // after "uso: "
  const char* aiuto = "";        // the --help text
  std::vector<posto> posizionali{};
  std::vector<std::string_view> flag{};
  std::vector<std::string_view> opzioni_con_valore{};
  bool sorgenti = false;          // DIR must hold ROUTE_linea.txt and ROUTE_TRAIN-.txt
  bool json = false;              // --json asks for a document on stdout, failures too
  bool rimando_all_aiuto = true;  // a usage fault ends with "Vedi 'scenario NAME --help'."
  // A usage fault the words alone cannot show (a missing --out...); ok else.
  stato (*controlla)(const argomenti_comando& a) = nullptr;
  int (*esegui)(const argomenti_comando& a, std::ostream& out, std::ostream& err) = nullptr;
  // A command line whose first word is parola_variante is another form of the
  // command (diff --git): the words are read and run by the row variante.
  std::string_view parola_variante{};
  const regola_comando* variante = nullptr;
};

// The words after the command's name read as the row says: flags, options
// with their value, "--" ending the options, then each positional word into
// its field, checked. ok, or a valore failure that says what is wrong (an
// unknown option, a missing value, too many or too few words, a bad ROUTE or
// TRAIN). With --help the words need not fit: a.aiuto is set.
stato leggi_argomenti(std::span<const std::string> parole, const regola_comando& r, argomenti_comando& a);
