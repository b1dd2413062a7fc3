#pragma once
#include <cstdint>

struct Form1;
struct lettore_voci;

// How the line reader ended: at the end of the file, after error 15 (both go
// on with the train file), or stopped on any other error (no train file).
enum class esito_linea { completa, errore_15, interrotta };

// Reads the line source file of f.cartella (opening, general section, record
// part, tail) and deletes it on every way out. slot_cartello is left at the
// next free entry for a sign text (80 when the file has no sign).
// Throws lettura_fallita for error 25.
esito_linea leggi_file_linea(Form1& f, std::int32_t& slot_cartello);
