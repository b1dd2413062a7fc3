#pragma once
#include <string>
#include <string_view>

#include "base/stato.h"

// The scenario a packed program installs, carried after the program's own
// bytes: the route key, the train number, the two source texts and the three
// documents, as they are (Windows-1252, CR LF).
struct carico_scenario {
  std::string percorso, treno;
  std::string linea, sorgente_treno;
  std::string scheda, rallentamenti, note;
};

// The payload and its trailer, appended to a program: each field as a 32-bit
// length and its bytes, in the order of carico_scenario, then 20 bytes: the
// magic "VOCARICO", the payload's length (64-bit) and its CRC-32C (32-bit),
// all little-endian.
inline constexpr std::string_view magia_carico = "VOCARICO";
inline constexpr std::size_t lunghezza_coda = 20;
std::string codifica_carico(const carico_scenario& c);

// From the bytes of a whole program file: presente false (and ok) when it
// carries no payload, the program's own scenario then; else the payload
// decoded, or a failure that says what is wrong and where (a length past the
// end, a CRC-32C that does not match, bytes left over, an empty name), with
// nothing read beyond the program's bytes.
stato leggi_carico(std::string_view programma, carico_scenario& c, bool& presente);
