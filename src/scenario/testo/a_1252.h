#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The way back from UTF-8 to Windows-1252, for text an editor sends (JSON is
// UTF-8): one byte for each code point, so the n-th character of a line is
// its n-th byte. A code point Windows-1252 has no byte for (and a byte that
// is no UTF-8) becomes '?', and its offset is kept so that it can be named.
struct testo_1252 {
  std::string byte;
  std::vector<std::size_t> non_rappresentabili;  // offsets in byte, in order
};

testo_1252 converti_in_1252(std::string_view utf8);

// The code point of the UTF-8 sequence at i and its length (1 for a byte that
// begins no valid sequence, whose code point is then 0xFFFD).
struct codice_utf8 {
  unsigned codice = 0;
  std::size_t lunghezza = 1;
};
codice_utf8 leggi_codice_utf8(std::string_view t, std::size_t i);
