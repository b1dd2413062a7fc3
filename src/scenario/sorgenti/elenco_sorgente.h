#pragma once
#include <string>

#include "scenario/sorgenti/struttura_sorgente.h"

// The canonical listing of one source file (scenario testo), UTF-8, one line
// for each record the compiler reads: its kind, its progressive and the cell
// it compiles to with its kilometre post, then its fields by the grammar's
// names, each as the compiler reads it. Comments, blank lines, line breaks
// inside a record and the alignment of columns do not show, so a reflowed
// file lists the same and a moved signal changes its one line. What the
// compiler passes over (section headers, the author's notes, a word no
// record has) compiles to nothing and is not listed; where the read stops
// before the end, or no record is read, that is said.
// Nothing in the listing names the file: git lists a temporary copy of one
// side and the file itself on the other.

// The other source of the scenario, when it is known.
struct compagno_elenco {
  const struttura_sorgente* linea = nullptr;  // for a train file: the kilometre posts
  const struttura_sorgente* treno = nullptr;  // for a line file: the station names
};

// treno: byte is the train file (else the line file).
std::string elenco_sorgente(const std::string& byte, bool treno, const compagno_elenco& compagno = {});

// For a file whose name does not say: whether its bytes read as a train file
// (the line file's general section has records of its own).
bool sembra_file_treno(const std::string& byte);
