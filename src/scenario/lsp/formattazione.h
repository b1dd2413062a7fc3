#pragma once
#include <nlohmann/json.hpp>

#include "scenario/lsp/documento.h"
#include "scenario/sorgenti/struttura_sorgente.h"

// The edits of textDocument/formatting (TextEdit[]): the layout of
// `scenario allinea` (scenario/sorgenti/allinea_sorgente.h) as what it
// changes between the items (blanks, commas, line ends), each in the
// document's positions. Nothing else goes back to the editor, so a
// character the bytes could not hold stays as the author typed it; an
// aligned document gets no edit.
nlohmann::json modifiche_allineamento(const documento& d, const struttura_sorgente& s);
