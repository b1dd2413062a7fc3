#pragma once
#include <cstdint>
#include <string>

// The kind of point object a cell holds, in words (UTF-8), as the tool shows it:
// bare ("segnale") and with its article ("un segnale"), for messages.
std::string nome_tipo_cella(std::uint8_t tipo);
std::string tipo_cella_con_articolo(std::uint8_t tipo);
