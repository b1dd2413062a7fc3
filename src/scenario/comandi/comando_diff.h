#pragma once
#include <ostream>
#include <span>
#include <string>

#include "scenario/comandi/argomenti_scenario.h"

// scenario diff A B ROUTE TRAIN [--treno-b TRAIN] [--json]: what changed from the scenario in A
// to the one in B, in railway terms. Exit status 0 nothing differs, 1 something
// does, 2 a side could not be compared, 64 a usage error.
int comando_diff(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

extern const char* const aiuto_diff;

// The command's row of the table: its words, its prologue, its run.
extern const regola_comando regola_diff;
