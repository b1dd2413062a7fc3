#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "scenario/sorgenti/struttura_sorgente.h"

// The layout of `scenario allinea` and of the editor's formatting: each
// line that holds whole records, and only them, is written again with one
// record a line (a line that held several is parted at the commas between
// them, by its own line end), the fields in columns aligned with the lines
// next to it that hold a record of the same kind (numbers to the right,
// texts to the left). Only blanks at the start of a line, around its commas
// and before its end change, and a comma between two records becomes a line
// end. The item reader skips the blanks before an item, ends a text at a
// comma or line end without its trailing blanks and a number at a blank,
// comma or line end, then skips blanks to one comma or one line end, either
// alike: whatever a reader takes each item for, it reads the same items, so
// the compiled bytes stay those of the file before. Headers, rulers,
// comments, free lines, a record that spans lines or shares its line with
// anything but records, a slip and everything from a read the compiler
// refuses on stay as written; line ends and every other byte stay too.
// Aligning an aligned text changes nothing.

// A line written again: the bytes of its content (its line end left out)
// and what they become (several lines when it held several records).
struct riga_allineata {
  std::size_t riga = 0;
  std::size_t inizio = 0, fine = 0;
  std::string testo;
};

// The lines of the file whose bytes and walk these are that change, in order.
std::vector<riga_allineata> righe_allineate(const std::string& byte, const struttura_sorgente& s);

// What stands between two items of a line (blanks, a comma, a line end)
// that its alignment changes: its bytes in the file (none when it is put
// between two bytes) and what it becomes. The items stay, so an editor's
// text need not be written again from the bytes.
struct separatori_allineati {
  std::size_t inizio = 0, fine = 0;
  std::string testo;
};
std::vector<separatori_allineati> separatori_cambiati(const std::string& byte, const riga_allineata& r);

// The whole file aligned (the same bytes when nothing changes).
std::string allinea_sorgente(const std::string& byte, bool treno);
std::string applica_righe(const std::string& byte, const std::vector<riga_allineata>& righe);
