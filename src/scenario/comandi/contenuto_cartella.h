#pragma once
#include <string>

// What a command tells an author whose scenario is not where they said: the
// folder's own state, so the next step is plain.

// "" when DIR is a folder; else why it is not ("cartella non trovata"...),
// a failure to run (exit 2), not a usage error.
std::string cartella_non_valida(const std::string& dir);

// One or more lines (each ending in '\n') after "file non trovato": with the
// sources of ROUTE and TRAIN there but no compact file, to compile first;
// else which ROUTE TRAIN pairs the folder holds, and in which form.
std::string cosa_c_e(const std::string& dir, const std::string& percorso, const std::string& treno);
