#pragma once
#include <string>

#include "scenario/scenario_compatto.h"

// One self-contained SVG of a decoded scenario: the map of the line from the
// plan (when there is one) with the stations marked and named; under it, on
// one axis of progressives in km, the gradient profile, the line speed limit,
// the stations, signals, code points and slowdowns.
std::string disegno_svg(const scenario_compatto& s);

// Text for SVG/XML: & < > " ' escaped; the text must already be UTF-8.
std::string testo_xml(const std::string& testo);
