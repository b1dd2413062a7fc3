#include "scenario/comando_extract.h"

#include <filesystem>
#include <system_error>

#include "base/percorso_utf8.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "documents/dati_note.h"
#include "documents/dati_rallentamenti.h"
#include "documents/dati_scheda.h"
#include "base/file_system.h"
#include "base/nomi_file.h"
#include "model/form1.h"

namespace fs = std::filesystem;

const char* const aiuto_extract =
    "usage: scenario extract DIR\n"
    "\n"
    "Writes the embedded scenario's five text files into DIR, byte for byte as the\n"
    "program writes them, without compiling: the line source Velstra_Ordoven_linea.txt,\n"
    "the train source Velstra_Ordoven_318-.txt, the timetable sheet, the slowdown\n"
    "order and the notes. Files of the same names are replaced whole.\n"
    "\n"
    "Exit status: 0 written; 2 a file could not be written; 64 a usage error.\n";

int comando_extract(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  for (const std::string& a : argomenti)
    if (a == "--help" || a == "-h") {
      out << aiuto_extract;
      return 0;
    }
  std::error_code ec;
  if (argomenti.size() != 1 || (argomenti[0].size() > 1 && argomenti[0][0] == '-') ||
      !fs::is_directory(percorso_utf8(argomenti[0]), ec)) {
    err << "scenario extract: " << (argomenti.size() != 1 ? "expected DIR" : "DIR '" + argomenti[0] + "' is not a folder")
        << "\nusage: scenario extract DIR\nTry 'scenario extract --help'.\n";
    return 64;
  }
  Form1 f;
  f.cartella = percorso_utf8(argomenti[0]);
  f.nome_percorso = "Velstra_Ordoven";
  f.numero_treno = "318";
  try {
    dati_linea(f);
    dati_treno(f);
    dati_scheda(f);
    dati_rallentamenti(f);
    dati_note(f);
  } catch (const errore_file_system& e) {
    err << "scenario extract: " << e.what() << '\n';
    return 2;
  }
  for (const fs::path& p : {file_linea(f), file_treno(f), file_scheda(f), file_rallentamenti(f), file_note(f)})
    err << "written " << p.filename().string() << '\n';
  return 0;
}
