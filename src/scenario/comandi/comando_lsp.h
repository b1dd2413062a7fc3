#pragma once
#include <ostream>
#include <span>
#include <string>

#include "scenario/comandi/argomenti_scenario.h"

// scenario lsp: the language server of the two source files on standard
// input and output, for an editor to start. Exit status 0 after the
// editor's shutdown and exit, 1 when the input ends before, 64 a usage error.
int comando_lsp(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

// The command's row of the table: its words, its prologue, its run.
extern const regola_comando regola_lsp;
