#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The cells of the driver's documents: a text set in a field of fixed width,
// cut when it does not fit, so a bar never moves.
std::string a_sinistra(std::string_view testo, std::size_t larghezza);
std::string a_destra(std::string_view testo, std::size_t larghezza);
// Centred; an odd blank goes after the text.
std::string al_centro(std::string_view testo, std::size_t larghezza);

// "13.57" from seconds after midnight.
std::string testo_orario(std::int32_t secondi);
// "146.823": a kilometre post in metres as the timetable sheet writes it.
std::string testo_km(std::int64_t metri);
