#pragma once
#include <cstddef>
#include <nlohmann/json.hpp>
#include <vector>

#include "model/chilometri.h"
#include "scenario/lsp/documento.h"
#include "scenario/sorgenti/struttura_sorgente.h"

// The inlay hints of a source file (InlayHint[]): beside every progressive
// its kilometre post, and the cell the compiler puts the record in when that
// cell does not begin at the written metre; beside a station's time, the time
// as the timetable sheet prints it. Only the hints whose place lies from da to
// a (byte offsets, both included).
nlohmann::json suggerimenti_documento(const documento& d, const struttura_sorgente& s,
                                      const std::vector<serie_chilometrica>& serie, std::size_t da, std::size_t a);
