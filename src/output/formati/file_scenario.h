#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "model/form1.h"
#include "output/formati/codifica_byte.h"

// The scenario file: the 87 entries of stazioni in index order, each 34 + N
// bytes where N is the length of its nome (written as a 16-bit count and the
// bytes as they stand, no terminator).
inline constexpr std::size_t byte_fissi_per_voce = 34;
using tabella_stazioni = std::array<stazione, numero_stazioni>;

// Throws interruzione (valore) for a nome over 65535 bytes: its length would not
// fit its field (the readers never store one).
std::string codifica_stazioni(const tabella_stazioni& stazioni);

// Refuses a file cut short inside an entry or with bytes after entry 86.
// stazioni is only changed when the file is valid.
esito_decodifica decodifica_stazioni(std::string_view byte, tabella_stazioni& stazioni);
