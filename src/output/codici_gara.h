#pragma once
#include <cstdint>
#include <string>
#include <string_view>

struct Form1;

// The two identification codes of a scenario, from nome of stazioni entries
// 86 (the train number) and 85 (the route key): over the first 25 bytes of
// the work string, codice_gara_og adds the byte values and codice_gara_st
// adds each byte value times its position (1 to 25).
std::int16_t codice_gara_og(const Form1& f);
std::int32_t codice_gara_st(const Form1& f);

// The work string: train number and route key joined, lower-cased, then the
// filler "aabbccddeeffgghhiillmmnnoo".
std::string stringa_codici(std::string_view treno, std::string_view percorso);

// Windows-1252 lower case of one byte: A-Z and the accented capitals (0xC0 to
// 0xDE but 0xD7, and 0x8A, 0x8C, 0x8E, 0x9F); every other byte stays.
unsigned char minuscola_1252(unsigned char c);
