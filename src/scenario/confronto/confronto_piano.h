#pragma once
#include <vector>

#include "scenario/confronto/confronto_scenari.h"

// Farther apart than this, in metres, the drawn lines of A and B differ.
inline constexpr double tolleranza_planimetria_m = 0.5;

// The plans of a and b compared metre by metre over the metres both have:
// the curves, where the line turns by a different angle at a metre ("curva"
// profile changes, with the record of each side that draws it), and the
// drawn line, where its points lie farther apart than the tolerance or one
// side has a point the other has not ("planimetria" changes, with how far).
// Stretches closer than 100 m are one. A plan on one side only is one
// general change.
void confronta_piano(const scenario_confronto& ca, const scenario_confronto& cb, const scenario_compatto& a,
                     const scenario_compatto& b, std::vector<modifica>& m);
