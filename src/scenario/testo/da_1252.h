#pragma once
#include <string>
#include <string_view>

// Texts of the scenario files are Windows-1252 bytes; everything the tool
// shows (terminal, JSON, SVG) is UTF-8. Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D,
// which Windows-1252 leaves undefined, become the code point of the same value.
std::string utf8_da_1252(std::string_view testo);

// The Unicode code point of one Windows-1252 byte.
unsigned codice_da_1252(unsigned char b);
