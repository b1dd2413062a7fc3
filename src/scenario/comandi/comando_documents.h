#pragma once
#include <ostream>
#include <span>
#include <string>

// scenario documents DIR ROUTE TRAIN: writes into DIR the timetable sheet,
// the slowdown order and the notes of the scenario whose sources are in DIR.
// Sources with errors are refused with the list check gives. Exit status 0
// written, 1 errors in the sources, the table or the notes (nothing written),
// 2 could not run, 64 a usage error.
int comando_documents(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

extern const char* const aiuto_documents;
