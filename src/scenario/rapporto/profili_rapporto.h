#pragma once
#include <cstdint>

#include "scenario/compatti/scenario_compatto.h"
#include "scenario/sorgenti/indice_sorgenti.h"
#include "scenario/testo/nodo_rapporto.h"

// The line speed limit (km/h), the gradient (per mille) and the adhesion as
// ranges da_m, a_m, valore. From the author's records when their source file
// is at hand: each value from its progressive to the next record's, the last
// to the end of the line, with the value the cells hold beside it where it
// differs (a speed rounded to 5 km/h, an adhesion kept to 8 bits). Otherwise
// from the cells: runs of one value in 50 m steps over the cells of the line.
nodo profili(const scenario_compatto& s, const indice_sorgenti& ind, std::int32_t lunghezza);
