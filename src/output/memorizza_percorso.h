#pragma once
#include <cstdint>

struct Form1;

// The compiler's entry: reads both source files of f.cartella into the model,
// completes the cab-signal codes, stamps marks and codes and writes the
// compact files (the plan file only when j is non-zero).
void memorizza_percorso(Form1& f, std::int32_t j);
