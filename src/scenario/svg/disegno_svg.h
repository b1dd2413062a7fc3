#pragma once
#include <cstdint>
#include <string>

#include "scenario/compatti/scenario_compatto.h"
#include "scenario/svg/tela_svg.h"  // testo_xml

// The stretch to draw, in metres; a_m below 0 means the whole line.
struct tratto_disegno {
  std::int32_t da_m = 0;
  std::int32_t a_m = -1;
};

// One self-contained SVG of a decoded scenario, for the stretch asked:
// the map of the line from the plan (turned so that the stretch runs left to
// right, with a north arrow and a scale bar) with the stations named; a
// legend; then, on one axis of progressives in km, the station names, the
// gradient and the line speed limit with each slowdown as a band with its
// speed, and rows of signals, code points and speed boards (each object a
// mark when they stand apart at this scale, else a bar per stretch whose
// height counts them). Station names never overlap one another or a text of
// the drawing: where they do not fit, the timed stations keep theirs and the
// count of names left out is said in the legend. A short stretch shows the
// cell borders and numbers.
std::string disegno_svg(const scenario_compatto& s, tratto_disegno tratto = {});
