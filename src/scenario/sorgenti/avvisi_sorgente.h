#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "scenario/sorgenti/struttura_sorgente.h"

// What the compiler reads silently in a source file, in a way the author may
// not mean: a number item that is not exactly a number, a record whose items
// run into the next line or past its own, a keyword the compiler does not
// know where it stands, text that is UTF-8 instead of Windows-1252, a train
// file with no station, a line with no curve; and the author's slips
// (scivoloni.h), errors where the compiled data differs from what the line
// plainly means. The compiler reads the same bytes the same way whatever is
// found here.
struct avviso {
  std::size_t offset = 0;             // byte offset in the file of what is warned about
  std::size_t riga = 1, colonna = 1;  // the same, 1-based, line ends counted as the compiler does
  std::string codice;                 // short code, e.g. "valore-vuoto"
  std::string messaggio;              // one line in Italian (UTF-8)
  bool errore = false;                // a slip that changes the compiled data: an error of check
};

// The line source file; con_piano when the plan is built (curves are records).
std::vector<avviso> avvisi_linea(const std::string& testo, bool con_piano);
// The same over the file's walk, read with the plan as the compile has it.
std::vector<avviso> avvisi_linea(const std::string& testo, const struttura_sorgente& s);

// The train source file.
std::vector<avviso> avvisi_treno(const std::string& testo);
// The same over the file's walk.
std::vector<avviso> avvisi_treno(const std::string& testo, const struttura_sorgente& s);
