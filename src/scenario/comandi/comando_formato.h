#pragma once
#include <ostream>
#include <span>
#include <string>

#include "scenario/comandi/argomenti_scenario.h"

// scenario formato [NOME]: prints the manual of the source format, or the
// page a word names (scenario/comandi/ricerca_formato.h) followed by the
// other places it names. Exit status 0, 64 a usage error (a word the manual
// does not have, with the nearest one proposed).
int comando_formato(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

// The command's row of the table: its words, its prologue, its run.
extern const regola_comando regola_formato;

// The whole manual: the two source files, then the documents table.
// docs/formato_sorgenti.md is this text.
std::string manuale_scenario();
