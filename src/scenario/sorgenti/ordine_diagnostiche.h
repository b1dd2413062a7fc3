#pragma once
#include <vector>

#include "base/nomi_scenario.h"
#include "scenario/sorgenti/diagnostica.h"

// Errors and warnings in file order, as the compiler reads the files: the
// line file, then the train file, each by line and column; reports of a file
// without a place after those with one, reports of no file last. Reports at
// one place keep the order they came in (a warning before the error).
void in_ordine_di_file(std::vector<diagnostica>& v, const nomi_scenario& nomi);
