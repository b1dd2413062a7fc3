#pragma once
#include <cstdint>

#include "model/campi_cella.h"  // cella_di_oggetto, where the board stands

struct Form1;

// Stores a maximum-speed board at cell nearest(p/50 + 1), which the reader has
// checked to lie inside percorso. The three speed pairs are packed as
// nearest(t/5 + 20*s), the two board codes as 10*c1 + c2 on 16 bits.
// Sets numero_errore = 21 when the cell is not free. Throws interruzione (lettura)
// when a packed pair does not fit 16 bits; the cell is then left untouched.
void memo_indicatori_v_max(Form1& f, std::int32_t p, std::int32_t s1, std::int32_t s2, std::int32_t s3, std::int32_t c1,
                           std::int32_t t1, std::int32_t t2, std::int32_t t3, std::int32_t c2);
