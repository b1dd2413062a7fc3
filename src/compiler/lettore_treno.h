#pragma once
#include <cstdint>

struct Form1;

// Reads the train source file of f.cartella after the line reader, and deletes
// it on every way out. slot_cartello is the sign slot the line reader left.
// Throws lettura_fallita for error 25 (a missing file included).
void leggi_file_treno(Form1& f, std::int32_t slot_cartello);
