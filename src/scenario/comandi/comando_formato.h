#pragma once
#include <ostream>
#include <span>
#include <string>

#include "scenario/comandi/argomenti_scenario.h"

// scenario formato [NOME]: prints the manual of the source format, or the
// page of one record, or the section on the documents table ("documenti" or
// one of its keywords). Exit status 0, 64 a usage error (an unknown record).
int comando_formato(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

// The command's row of the table: its words, its prologue, its run.
extern const regola_comando regola_formato;

// The whole manual: the two source files, then the documents table.
// docs/formato_sorgenti.md is this text.
std::string manuale_scenario();
