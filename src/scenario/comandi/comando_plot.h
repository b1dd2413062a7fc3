#pragma once
#include <ostream>
#include <span>
#include <string>

#include "scenario/comandi/argomenti_scenario.h"

// scenario plot DIR ROUTE TRAIN --out FILE.svg: draws the decoded scenario
// into one self-contained SVG. Exit status 0, 2 when a file is missing,
// refused or cannot be written, 64 a usage error.
int comando_plot(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

extern const char* const aiuto_plot;

// The command's row of the table: its words, its prologue, its run.
extern const regola_comando regola_plot;
