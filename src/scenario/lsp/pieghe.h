#pragma once
#include <nlohmann/json.hpp>

#include "scenario/lsp/documento.h"
#include "scenario/sorgenti/struttura_sorgente.h"

// The folding ranges of a source file (FoldingRange[]): each section, from
// its header to its last line that is not blank before the next header.
nlohmann::json pieghe_documento(const documento& d, const struttura_sorgente& s);
