#pragma once
#include <span>
#include <string_view>

struct Form1;

// The driver's document, one slot a line, closed by the end marker.
std::span<const std::string_view> righe_note();
// Writes it into the run's folder.
void dati_note(const Form1& f);
