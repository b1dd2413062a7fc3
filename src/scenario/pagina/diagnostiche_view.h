#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "scenario/sorgenti/controllo_sorgenti.h"

// What the tool says about the sources, as the page lists it: an error or a
// note, with its place in the sources when it has one.
struct diagnostica_view {
  std::string genere;  // "errore", "avviso" or "nota"
  std::string file;    // source file name, empty without a place
  std::size_t riga = 0, colonna = 0;
  std::string messaggio;          // UTF-8, as `scenario check` words it
  std::int64_t progressiva = -1;  // metres named by the message, -1 when none
};

// The diagnostics of the sources in cartella, from the same search as
// `scenario check` (every error, each at its place). Empty when neither
// source file is there; one note when the search cannot run.
std::vector<diagnostica_view> diagnostiche_sorgenti(const std::filesystem::path& cartella, const std::string& percorso,
                                                    const std::string& treno);

// The page's list of what the search found: its reports, then its notes.
std::vector<diagnostica_view> diagnostiche_di(const esito_controllo& esito);
