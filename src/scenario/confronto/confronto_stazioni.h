#pragma once
#include <vector>

#include "scenario/confronto/confronto_scenari.h"

// The stations of a and b matched by name, then by the nearest place within
// 500 m (a rename); each matched pair that differs in name, place, kind or
// area is one change, a run of stations retimed by the same shift is one
// change, the others are added or removed.
std::vector<modifica> confronta_stazioni(const scenario_confronto& a, const scenario_confronto& b);
