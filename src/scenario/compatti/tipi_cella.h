#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The kind of point object a cell holds, in words (UTF-8), as the tool shows it:
// bare ("segnale") and with its article ("un segnale"), for messages.
std::string nome_tipo_cella(std::uint8_t tipo);
std::string tipo_cella_con_articolo(std::uint8_t tipo);

// The kind of a cell as a key for scripts ("segnale", "inizio_rallentamento"),
// "altro" for a kind the compiler never writes.
std::string_view chiave_tipo_cella(std::uint8_t tipo);

// The kind of a station as a key for scripts: "stazione" for one with an end
// marker and approach marks, "posto" for a place without them.
std::string_view chiave_tipo_stazione(std::uint8_t tipo);
