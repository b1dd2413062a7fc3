#pragma once
#include <span>
#include <string_view>

#include "documents/cornici_documenti.h"

struct Form1;

// The driver's document, one slot a line, closed by the end marker.
std::span<const std::string_view> righe_rallentamenti();
// The order as the paper fills it: its rows' cells and the key.
documento_ordine ordine_incorporato();
// Writes it into the run's folder.
void dati_rallentamenti(const Form1& f);
