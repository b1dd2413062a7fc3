#pragma once
#include <string>

#include "base/nomi_scenario.h"
#include "base/stato.h"

// What a command tells an author whose scenario is not where they said: the
// folder's own state, so the next step is plain.

// ok when DIR is a folder; else why it is not ("cartella non trovata"...),
// a failure to run (exit 2), not a usage error.
stato cartella_non_valida(const std::string& dir);

// ok when nothing is at DIR yet, for a command that makes the folder itself.
stato cartella_gia_presente(const std::string& dir);

// One or more lines (each ending in '\n') after "file non trovato": with the
// sources of ROUTE and TRAIN there but no compact file, to compile first;
// else which ROUTE TRAIN pairs the folder holds, and in which form, and the
// train files whose name does not say which part is ROUTE.
std::string cosa_c_e(const std::string& dir, const nomi_scenario& nomi);
