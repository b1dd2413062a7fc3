#pragma once
#include <cstdint>

#include "model/campi_cella.h"  // cella_di_oggetto, where the signal stands

struct Form1;

// Places the lineside signal of one segnale record (its eleven numbers in
// file order) at cella_di_oggetto(f1), which the reader has checked to lie
// inside percorso. Sets numero_errore = 16 and writes nothing when that cell
// is not free. Inputs keep their low bits in the 16 and 8-bit fields.
// Throws interruzione (lettura) for a cell outside percorso (the reader refuses
// those first).
void memo_segnale(Form1& f, std::int32_t f1, std::int32_t f2, std::int32_t f3, std::int32_t f4, std::int32_t f5,
                  std::int32_t f6, std::int32_t f7, std::int32_t f8, std::int32_t f9, std::int32_t f10,
                  std::int32_t f11);
