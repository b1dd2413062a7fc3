#pragma once
#include <cstddef>

// The server's standard input and output as raw bytes: the frames count
// bytes, so no text mode may turn CR LF into LF (Windows).
void flussi_binari();

// Up to n bytes of standard input, as many as there are once some arrive;
// 0 at its end or on a failure.
std::size_t leggi_ingresso(char* dati, std::size_t n);
