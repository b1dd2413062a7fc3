#pragma once
#include <ostream>
#include <span>
#include <string>

#include "scenario/comandi/argomenti_scenario.h"

// scenario testo FILE [--linea FILE] [--solo]: the canonical listing of one
// source file (scenario/sorgenti/elenco_sorgente.h) on stdout, for git's
// textconv and for reading. The partner file gives the kilometre posts of a
// train file and the station names of a line file: --linea names the line
// file, else it is looked for beside FILE (not with --solo). Exit status 0
// listed (a file that is not a source too: what can be read, the rest said),
// 2 a file that could not be read, 64 a usage error.
int comando_testo(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

// The command's row of the table: its words, its prologue, its run.
extern const regola_comando regola_testo;
