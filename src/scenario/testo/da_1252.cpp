#include "scenario/testo/da_1252.h"

#include <cstdint>

namespace {
// Unicode of the bytes 0x80-0x9F (0: undefined, kept as the same code point).
constexpr std::uint16_t tabella_80_9f[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                             0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                             0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void aggiungi_utf8(std::string& out, unsigned codice) {
  if (codice < 0x80) {
    out += static_cast<char>(codice);
  } else if (codice < 0x800) {
    out += static_cast<char>(0xC0 | (codice >> 6));
    out += static_cast<char>(0x80 | (codice & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (codice >> 12));
    out += static_cast<char>(0x80 | ((codice >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codice & 0x3F));
  }
}
}  // namespace

unsigned codice_da_1252(unsigned char b) {
  return (b >= 0x80 && b < 0xA0 && tabella_80_9f[b - 0x80]) ? tabella_80_9f[b - 0x80] : b;
}

std::string utf8_da_1252(std::string_view testo) {
  std::string out;
  out.reserve(testo.size());
  for (char c : testo) {
    aggiungi_utf8(out, codice_da_1252(static_cast<unsigned char>(c)));
  }
  return out;
}
