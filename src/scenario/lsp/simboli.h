#pragma once
#include <nlohmann/json.hpp>

#include "scenario/lsp/documento.h"
#include "scenario/lsp/informazioni.h"
#include "scenario/sorgenti/struttura_sorgente.h"

// The outline of a source file (DocumentSymbol[]): its sections; inside
// them the stations with their times, the signals and the slowdowns, named
// by kilometre post.
nlohmann::json simboli_documento(const documento& d, const struttura_sorgente& s,
                                 const std::vector<serie_chilometrica>& serie);
