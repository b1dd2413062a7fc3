#pragma once
#include <cstdint>

struct Form1;

// Reads the line source file and then, unless the line reader stopped on an
// error other than 15, the train source file of f.cartella into the model.
// Both files are deleted on every way out.
void memorizza_dati(Form1& f);

// memorizza_dati in its two steps, for a caller that reads one line file under
// several train files: the names and the line file, true when the train file
// is to be read next (with slot_cartello, the first free sign slot)...
bool memorizza_linea(Form1& f, std::int32_t& slot_cartello);
// ...and the train file, on the model memorizza_linea left.
void memorizza_treno(Form1& f, std::int32_t slot_cartello);
