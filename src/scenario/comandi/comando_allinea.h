#pragma once
#include <ostream>
#include <span>
#include <string>

#include "scenario/comandi/argomenti_scenario.h"

// scenario allinea DIR ROUTE TRAIN: the two source files of DIR laid out in
// place (scenario/sorgenti/allinea_sorgente.h), each record on its line with
// the fields of its run in columns; the compiled bytes stay. A file that
// changes is first kept whole as NAME.bak (NAME.2.bak...), as the program
// keeps an edited source; an aligned file is not written. Exit status 0
// aligned (or already so), 2 a file that cannot be read or written, 64 a
// usage error.
int comando_allinea(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

// The command's row of the table: its words, its prologue, its run.
extern const regola_comando regola_allinea;
