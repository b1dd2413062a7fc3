#pragma once
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "scenario/comandi/argomenti_scenario.h"

// scenario nuovo DIR ROUTE TRAIN: writes into DIR the two sources of a small
// scenario to start from, those of docs/primo_scenario.md, named for ROUTE
// and TRAIN; DIR is made when missing. A source already there is never
// replaced. Exit status 0, 2 when DIR cannot be made, a source is already
// there or a file cannot be written, 64 a usage error.
int comando_nuovo(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

// The command's row of the table: its words, its prologue, its run.
extern const regola_comando regola_nuovo;

// The two sources it writes, as tables of lines closed by the end marker.
std::span<const std::string_view> righe_linea_nuova();
std::span<const std::string_view> righe_treno_nuovo();
