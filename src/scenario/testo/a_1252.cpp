#include "scenario/testo/a_1252.h"

#include "scenario/testo/da_1252.h"

codice_utf8 leggi_codice_utf8(std::string_view t, std::size_t i) {
  auto b = [&](std::size_t k) { return k < t.size() ? static_cast<unsigned char>(t[k]) : 0u; };
  auto segue = [&](std::size_t k) { return (b(k) & 0xC0) == 0x80; };
  const unsigned c = b(i);
  if (c < 0x80) return {c, 1};
  if (c >= 0xC2 && c <= 0xDF && segue(i + 1)) return {((c & 0x1F) << 6) | (b(i + 1) & 0x3F), 2};
  if (c >= 0xE0 && c <= 0xEF && segue(i + 1) && segue(i + 2)) {
    const unsigned v = ((c & 0x0F) << 12) | ((b(i + 1) & 0x3F) << 6) | (b(i + 2) & 0x3F);
    if (v >= 0x800 && (v < 0xD800 || v > 0xDFFF)) return {v, 3};
  }
  if (c >= 0xF0 && c <= 0xF4 && segue(i + 1) && segue(i + 2) && segue(i + 3)) {
    const unsigned v = ((c & 0x07) << 18) | ((b(i + 1) & 0x3F) << 12) | ((b(i + 2) & 0x3F) << 6) | (b(i + 3) & 0x3F);
    if (v >= 0x10000 && v <= 0x10FFFF) return {v, 4};
  }
  return {0xFFFD, 1};
}

namespace {
// The byte of a code point, -1 when Windows-1252 has none. The five bytes it
// leaves undefined come back as themselves, as utf8_da_1252 sends them.
int byte_di(unsigned codice) {
  if (codice < 0x80 || (codice >= 0xA0 && codice <= 0xFF)) return static_cast<int>(codice);
  for (unsigned b = 0x80; b < 0xA0; ++b)
    if (codice_da_1252(static_cast<unsigned char>(b)) == codice) return static_cast<int>(b);
  return -1;
}
}  // namespace

testo_1252 converti_in_1252(std::string_view utf8) {
  testo_1252 t;
  t.byte.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const codice_utf8 c = leggi_codice_utf8(utf8, i);
    const int b = c.codice == 0xFFFD && c.lunghezza == 1 ? -1 : byte_di(c.codice);
    if (b < 0) t.non_rappresentabili.push_back(t.byte.size());
    t.byte += b < 0 ? '?' : static_cast<char>(b);
    i += c.lunghezza;
  }
  return t;
}
