#pragma once
#include <ostream>
#include <span>
#include <string>

#include "scenario/comandi/argomenti_scenario.h"

// scenario view DIR ROUTE TRAIN --out FILE.html: writes one self-contained
// interactive page of the compiled scenario (map, profiles, objects with their
// source lines, errors of the sources); with --rispetto-a OLD also what
// changed from OLD, as diff lists it. Exit status 0, 2 when a file is
// missing, refused or cannot be written or OLD cannot be compared, 64 a
// usage error.
int comando_view(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

extern const char* const aiuto_view;

// The command's row of the table: its words, its prologue, its run.
extern const regola_comando regola_view;
