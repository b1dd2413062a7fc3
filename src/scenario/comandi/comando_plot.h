#pragma once
#include <ostream>
#include <span>
#include <string>

// scenario plot DIR ROUTE TRAIN --out FILE.svg: draws the decoded scenario
// into one self-contained SVG. Exit status 0, 2 when a file is missing,
// refused or cannot be written, 64 a usage error.
int comando_plot(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

extern const char* const aiuto_plot;
