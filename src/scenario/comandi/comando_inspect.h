#pragma once
#include <ostream>
#include <span>
#include <string>

#include "scenario/comandi/argomenti_scenario.h"

// scenario inspect DIR ROUTE TRAIN [--json] [--csv-plan FILE]: decodes the
// compact files into a readable report. Exit status 0, 2 when a file is
// missing or refused, 64 a usage error.
int comando_inspect(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

extern const char* const aiuto_inspect;

// The command's row of the table: its words, its prologue, its run.
extern const regola_comando regola_inspect;
