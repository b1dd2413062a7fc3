#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/cella.h"
#include "model/planimetria.h"
#include "output/formati/file_scenario.h"

// The three compact files of a scenario, decoded with the program's own
// decoders. The plan file is optional.
struct scenario_compatto {
  std::string nome_percorso, numero_treno;
  tabella_stazioni stazioni{};
  std::vector<cella> percorso;
  std::optional<tabella_piano> piano;
};

// Reads and decodes the files of DIR. On a missing, damaged or truncated file
// returns false and puts into guasto a message that names the file, the
// offset and the fault.
bool carica_scenario_compatto(const std::filesystem::path& cartella, const std::string& percorso,
                              const std::string& treno, scenario_compatto& s, std::string& guasto);
