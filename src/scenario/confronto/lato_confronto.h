#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/nomi_scenario.h"
#include "scenario/compatti/scenario_compatto.h"
#include "scenario/sorgenti/controllo_sorgenti.h"
#include "scenario/sorgenti/diagnostica.h"
#include "scenario/sorgenti/indice_sorgenti.h"

// One of the two scenarios diff compares, as its folder holds it.
enum class esito_lato {
  pronto,       // compiled from its sources, or read from its compact files
  manca,        // one source file without the other, or neither sources nor compact files
  errori,       // its sources do not compile: controllo lists every error
  danneggiato,  // a compact file refused
};

// One compact file of a side: its name and its bytes, none when it is not there.
struct file_compatto {
  std::string nome;
  std::optional<std::string> byte;
};

struct lato_confronto {
  esito_lato esito = esito_lato::manca;
  bool da_sorgenti = false;
  scenario_compatto s;
  indice_sorgenti ind;   // empty without sources
  testi_sorgente testi;  // the texts compiled; none without sources
  std::string messaggio, file;
  esito_controllo controllo;
  // The scenario file, the track file and the plan file: those the compile in
  // memory wrote, or those read from the folder.
  std::vector<file_compatto> compatti;
};

// The scenario the two texts compile to in memory, with their index; errori
// (controllo left empty) when they do not compile clean.
lato_confronto compila_lato(const testi_sorgente& testi, const nomi_scenario& nomi);

// The scenario of nomi in cartella: with both source files there, compiled in
// memory as the program would (nothing is written into cartella, compact
// files beside them are not read); with neither, read from its compact files.
lato_confronto carica_lato(const std::filesystem::path& cartella, const nomi_scenario& nomi);
