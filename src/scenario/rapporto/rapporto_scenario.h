#pragma once
#include <cstdint>
#include <ostream>
#include <string>

#include "scenario/compatti/scenario_compatto.h"
#include "scenario/compatti/valori_cella.h"
#include "scenario/sorgenti/indice_sorgenti.h"
#include "scenario/testo/nodo_rapporto.h"

// The readable report of a decoded scenario: names, general values (the
// chainage series with the step their flag adds), stations, the line
// profiles as ranges, and every cell holding a point object with its kind in
// words, the cell's range, its values decoded and, when the author's sources
// are at hand, the progressive written there and the line that wrote it.
// Without sources the report says that only the cell is known.
nodo rapporto_scenario(const scenario_compatto& s, const indice_sorgenti& sorgenti = {});

// hh:mm:ss of a time of day in seconds (negative or past a day shown as it falls).
std::string ore_minuti_secondi(std::int32_t secondi);
