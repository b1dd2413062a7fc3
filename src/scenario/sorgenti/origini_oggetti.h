#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "scenario/compatti/scenario_compatto.h"
#include "scenario/sorgenti/indice_sorgenti.h"
#include "scenario/testo/nodo_rapporto.h"

// Which record of the sources put an object into a cell, and as what part of it.
struct origine_cella {
  const record_sorgente* r = nullptr;
  std::uint8_t tipo = 0;  // the kind the record puts there
  int tavola = 0;         // a slowdown's distance board: 1 next to the warning sign, 4 farthest
};

// For every cell of s, the record of the sources that fills it with a point
// object, computed with the compiler's own rules (none where no record does).
// The first record to claim a cell keeps it, as the compiler refuses a second
// object on a taken cell; a station's end marker, written whatever the cell
// held, claims it over an earlier record.
std::vector<origine_cella> origini(const scenario_compatto& s, const indice_sorgenti& ind);

// The name of the file a record is in, and {file, riga} for the report.
std::string file_di(const record_sorgente& r, const indice_sorgenti& ind);
nodo sorgente_di(const record_sorgente& r, const indice_sorgenti& ind);
