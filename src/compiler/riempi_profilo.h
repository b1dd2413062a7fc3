#pragma once
#include <cstddef>
#include <cstdint>

#include "model/form1.h"

// The one fill of a profile (gradient, speed limit, adhesion): from the cursor
// on, cell by cell, at least one cell, going on while the cursor is below fino;
// it never writes past the cell ultima nor outside percorso. scrivi(c) stores
// the value in cell c and is called once for each cell written.
template <class Scrivi>
void riempi_profilo(Form1& f, std::int32_t& cursore, std::int64_t fino, std::int64_t ultima, Scrivi scrivi) {
  do {
    if (cursore < 0 || cursore > ultima || static_cast<std::size_t>(cursore) >= f.percorso.size()) break;
    scrivi(f.cella_n(cursore));
    ++cursore;
  } while (cursore < fino);
}
