#pragma once
#include <cstdint>
#include <ostream>
#include <string>

#include "scenario/compatti/scenario_compatto.h"
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

// One speed pair of a maximum-speed board. The compiler packs the pair
// (s, t) as nearest(t/5 + 20*s), that is 100*(s/5) + t/5 for speeds in
// multiples of 5 below 500 km/h: the hundreds give s, the rest t.
struct coppia_vmax {
  std::int32_t prima = 0, seconda = 0;
};
coppia_vmax decodifica_coppia_vmax(std::int16_t parola);
