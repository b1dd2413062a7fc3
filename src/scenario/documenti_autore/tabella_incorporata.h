#pragma once
#include <string>
#include <vector>

// The documents table of the embedded scenario (Windows-1252, one record a
// line): what its timetable sheet and slowdown order print and its sources
// do not hold, written from the embedded documents against the rows the
// embedded sources give. With it, `scenario documents` on the extracted
// sources writes the embedded documents byte for byte.
std::vector<std::string> righe_tabella_incorporata();
