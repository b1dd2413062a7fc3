#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/cella.h"
#include "output/formati/codifica_byte.h"

// The track file: the cells of percorso in index order, 15 bytes each
// (tipo, valore_1..valore_4 as signed 16-bit, then the six 8-bit fields).
inline constexpr std::size_t byte_per_cella = 15;

std::string codifica_tracciato(const std::vector<cella>& percorso);

// Refuses a file that is not a whole number of cells or holds fewer than the
// two cells every track has (cell 1 carries the marks). percorso is only
// changed when the file is valid.
esito_decodifica decodifica_tracciato(std::string_view byte, std::vector<cella>& percorso);
