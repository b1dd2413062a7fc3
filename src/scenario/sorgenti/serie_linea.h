#pragma once
#include <vector>

#include "model/chilometri.h"
#include "scenario/sorgenti/struttura_sorgente.h"

// The chainage series of a line file as the compiler leaves them, from its
// "progressiva chilometrica" records: the kilometre posts of the editor's
// hover and of the listing of a source file.
std::vector<serie_chilometrica> serie_della_linea(const struttura_sorgente& linea);
