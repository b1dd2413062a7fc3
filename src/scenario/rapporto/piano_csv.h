#pragma once
#include <cstdint>
#include <ostream>

#include "model/planimetria.h"

// The plan as CSV, one row a metre: metro, x, y, heading in degrees, curve
// radius in metres, and tratto: "linea" up to the line's length, "oltre_fine"
// for the 7000 m the plan runs past it, "vuoto" for a point never computed
// (its x and y are left empty, never written as 0).
void scrivi_csv_piano(std::ostream& out, const tabella_piano& piano, std::int32_t lunghezza_linea);
