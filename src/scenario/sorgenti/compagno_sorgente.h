#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "base/nomi_scenario.h"

// Which source a file is: a name ending in -.txt is a train file, one ending
// in _linea.txt the line file; a name that says neither, by its bytes.
bool e_file_treno(const std::string& nome, const std::string& byte);

// The other source of the scenario a file belongs to, found beside it.
struct compagno_sorgente {
  std::string byte;
  nomi_scenario nomi;  // the route key and train number the two files make
};

// The partner file beside a source: a train file's ROUTE_linea.txt, or the
// one train file of a line file's route (none when the folder has several, a
// name says no route, or the partner cannot be read).
std::optional<compagno_sorgente> compagno_accanto(const std::filesystem::path& file, bool treno);
