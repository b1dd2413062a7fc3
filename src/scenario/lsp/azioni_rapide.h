#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "scenario/sorgenti/struttura_sorgente.h"

// The fixes that are certain, for the items that a range touches: the edit
// that mends an author's slip (scivoloni.h: "12O0", read as 12, becomes
// "1200"; "13:57" becomes "13, 57"; "segnlae" becomes "segnale"); a
// progressive that must be a multiple of 50 and is not (to the nearest
// multiple; none when two are as near).
struct correzione {
  std::string titolo;  // Italian, UTF-8
  std::size_t inizio = 0, fine = 0;
  std::string testo;  // the item's new bytes (ASCII)
};

std::vector<correzione> correzioni(const std::string& byte, const struttura_sorgente& s, std::size_t da, std::size_t a);
