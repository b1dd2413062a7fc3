#pragma once
#include <span>
#include <string_view>

struct Form1;

// The embedded treno source file, one slot a line, closed by the end marker.
std::span<const std::string_view> righe_treno();
// Writes it into the run's folder.
void dati_treno(const Form1& f);
