#pragma once
#include <ostream>
#include <span>
#include <string>

#include "scenario/comandi/argomenti_scenario.h"

// scenario extract DIR: writes the embedded scenario's five text files into
// DIR exactly as the program writes them, without compiling; DIR is made
// when missing. Exit status 0, 2 when DIR cannot be made or a file cannot be
// written, 64 a usage error.
int comando_extract(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

extern const char* const aiuto_extract;

// The command's row of the table: its words, its prologue, its run.
extern const regola_comando regola_extract;
