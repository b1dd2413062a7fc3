#pragma once
#include <span>
#include <string_view>

struct Form1;

// The embedded linea source file, one slot a line, closed by the end marker.
std::span<const std::string_view> righe_linea();
// Writes it into the run's folder.
void dati_linea(const Form1& f);
