#pragma once
#include <ostream>
#include <span>
#include <string>

#include "scenario/comandi/argomenti_scenario.h"

// The one usage printer: "scenario NAME: FAULT", the lines of seguito (each
// ending in '\n'), "uso: ..." and, with rimando, where the help is.
void stampa_uso(const regola_comando& r, std::ostream& err, const std::string& guasto, const std::string& seguito = "",
                bool rimando = true);

// Runs the command of row r on the words after its name: the shared prologue
// (words, --help, usage faults with exit 64, the folders and the sources with
// exit 2 and, where the row takes --json, the document of the failure), then
// r.esegui. Returns the exit status (base/codici_uscita.h).
int esegui_comando(const regola_comando& r, std::span<const std::string> parole, std::ostream& out, std::ostream& err);
