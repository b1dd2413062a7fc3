#pragma once
#include <cstdint>

#include "compiler/esito_lettura.h"

struct Form1;
struct lettore_voci;

// Reads the line source file of f.cartella (opening, general section, record
// part, tail) and deletes it on every way out. slot_cartello is left at the
// next free entry for a sign text (80 when the file has no sign).
// Throws interruzione (lettura) for error 25.
esito_lettura leggi_file_linea(Form1& f, std::int32_t& slot_cartello);
