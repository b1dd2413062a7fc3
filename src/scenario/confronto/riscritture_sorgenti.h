#pragma once
#include <vector>

#include "scenario/confronto/confronto_scenari.h"
#include "scenario/confronto/lato_confronto.h"

// The edits of a source file no change tells: its text differs from A to B
// but no change in m (of the compiled scenario, or within a cell) has a line
// of it. One change of genere senza_effetto for each such file, without a
// place, saying what kind of edit it is (the same records reformatted: blanks,
// line breaks, comments; the records in another order; records written
// otherwise that compile the same) and which lines differ. Only when both
// sides were compiled from their sources.
std::vector<modifica> riscritture_sorgenti(const lato_confronto& a, const lato_confronto& b,
                                           const std::vector<modifica>& m);

// Every change from side a to side b: those of confronta_scenari, then the
// rewritten files.
std::vector<modifica> confronta_lati(const lato_confronto& a, const lato_confronto& b);
