#pragma once
#include <cstdint>

struct Form1;

// Reads the train source file of f.cartella after the line reader, and deletes
// it on every way out. slot_cartello is the sign slot the line reader left:
// stations may fill stazioni up to the entry before it (error 10).
// numero_errore may hold the line reader's 15 on entry: it is kept unless a
// later error replaces it, and it stops the reader after the first signal or
// slowdown. Throws interruzione (lettura) for error 25 (a missing file included).
void leggi_file_treno(Form1& f, std::int32_t slot_cartello);
