#pragma once
#include <ostream>
#include <span>
#include <string>

#include "scenario/comandi/argomenti_scenario.h"

// scenario documents DIR ROUTE TRAIN: writes into DIR the timetable sheet,
// the slowdown order and the notes of the scenario whose sources are in DIR.
// Sources with errors are refused with the list check gives. Exit status 0
// written, 1 errors in the sources, the table or the notes (nothing written),
// 2 could not run, 64 a usage error.
int comando_documents(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

extern const char* const aiuto_documents;

// The command's row of the table: its words, its prologue, its run.
extern const regola_comando regola_documents;
