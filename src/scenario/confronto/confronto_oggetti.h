#pragma once
#include <vector>

#include "scenario/confronto/confronto_scenari.h"

// The point objects of a and b matched by record and place (see
// confronta_scenari): added, removed, moved, values changed.
std::vector<modifica> confronta_oggetti(const scenario_confronto& a, const scenario_confronto& b);
