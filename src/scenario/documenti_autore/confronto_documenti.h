#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A row where a document of the folder and the one the sources give now part:
// the line of the folder's file (for a row the file lacks, the line it would
// take there) and each side's row, without its line end; none on the side
// that has no such row. fine_diversa: the texts are the same, the line ends
// are not (a file saved with LF, a last line without its end).
struct riga_diversa {
  std::size_t riga = 0;
  std::optional<std::string> presente, attesa;
  bool fine_diversa = false;
};

// The rows of presente (the bytes in the folder) and atteso (the bytes the
// sources give) that differ, in order along the file: rows the two share are
// matched as the longest common run, so a row added or dropped is one row,
// not a shift of every row after it; a row changed in place is one pair.
// Empty when the bytes are the same.
std::vector<riga_diversa> righe_diverse(std::string_view presente, std::string_view atteso);
