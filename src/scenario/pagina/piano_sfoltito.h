#pragma once
#include <cstdint>
#include <vector>

#include "model/planimetria.h"

// A point of the plan kept for drawing, and the largest drawing tolerance (in
// metres) at which it is still needed: at tolerance t the points whose soglia
// exceeds t form a polyline from which no metre of the plan strays by more
// than t. The two ends of the plan have an infinite soglia.
struct punto_sfoltito {
  std::int32_t metro = 0;
  double x = 0, y = 0;
  double soglia = 0;
};

// The plan thinned for drawing at every zoom: one pass of line simplification
// (farthest point first) over the computed metres, keeping each point whose
// deviation is above tolleranza_minima. Metres never computed (the last two of
// the table) are left out. Empty for a plan with fewer than two points.
std::vector<punto_sfoltito> sfoltisci_piano(const tabella_piano& piano, double tolleranza_minima);
