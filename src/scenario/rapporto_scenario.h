#pragma once
#include <cstdint>
#include <ostream>
#include <string>

#include "scenario/nodo_rapporto.h"
#include "scenario/scenario_compatto.h"

// The readable report of a decoded scenario: general values, stations and
// every cell holding a point object, its kind in words and values decoded.
nodo rapporto_scenario(const scenario_compatto& s);

// hh:mm:ss of a time of day in seconds (negative or past a day shown as it falls).
std::string ore_minuti_secondi(std::int32_t secondi);

// The plan as CSV: metre, x, y, heading in degrees, curve radius in metres
// (empty where the points do not define one).
void scrivi_csv_piano(std::ostream& out, const tabella_piano& piano);
