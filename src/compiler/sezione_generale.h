#pragma once
#include <cstdint>

struct stato_linea;
struct Form1;

// Skips the items before the first one that contains [generale] (any case).
// False, with error 102 recorded, when none is met before the end of the file.
bool trova_sezione_generale(stato_linea& s);

// Reads the general section up to the next section header: line length
// (sizes the model), chainage series, background values and the cab-signal
// repetition. False, with error 1, 3, 4 or 5 recorded, when a value is
// refused. Throws interruzione (lettura) for error 25.
bool leggi_sezione_generale(stato_linea& s);

// numero_celle for a line length: nearest((L + 7000) / 50).
std::int64_t celle_per_lunghezza(std::int32_t lunghezza);

// Sizes percorso (all cells zero) and, with con_planimetria, planimetria (all
// elements empty) for a line length already checked against the maximum.
// Throws interruzione (lettura), leaving the model as it was, when the cell array
// would not reach cell 1.
void dimensiona_modello(Form1& f, std::int32_t lunghezza);
