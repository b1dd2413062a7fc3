#pragma once
#include <ostream>
#include <span>
#include <string>

#include "scenario/comandi/argomenti_scenario.h"

// scenario pack DIR ROUTE TRAIN --out FILE [--windows] [--keep-documents]:
// writes a program that installs the scenario of DIR (its two sources and
// three documents) into its own folder as Velstra_Ordoven_318 installs the
// embedded one: the program itself with the scenario appended. The documents
// must be those scenario documents makes from the sources and the table now,
// unless --keep-documents. Exit status 0 written, 1 errors in the sources or
// stale documents (nothing written), 2 could not run (a file missing, no
// program to pack), 64 a usage error.
int comando_pack(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

extern const char* const aiuto_pack;

// The command's row of the table: its words, its prologue, its run.
extern const regola_comando regola_pack;
