#pragma once
#include <ostream>
#include <span>
#include <string>

#include "scenario/comandi/argomenti_scenario.h"

// scenario check DIR ROUTE TRAIN: reports every error of the sources, not
// only the first. Compiles a private copy, reports the recorded error at its
// place in the author's file, sets the offending record aside in the copy and
// compiles again, until the copy is clean or 100 errors are found. Writes
// nothing into DIR. Exit status 0 clean, 1 errors found, 2 could not run,
// 64 a usage error.
int comando_check(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

extern const char* const aiuto_check;

// The command's row of the table: its words, its prologue, its run.
extern const regola_comando regola_check;
