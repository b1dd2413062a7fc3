#include "scenario/testo_json.h"

#include <cstdint>
#include <cstdio>

namespace {
// Unicode of the bytes 0x80-0x9F in Windows-1252 (0 where it has none; those
// are kept as the same code point).
constexpr std::uint16_t da_1252[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

void escape(std::string& out, unsigned codice) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "\\u%04x", codice);
  out += buf;
}

// Length of the valid UTF-8 sequence at i (2 to 4), or 0.
std::size_t sequenza_utf8(std::string_view t, std::size_t i) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[k]); };
  const unsigned c = b(i);
  std::size_t n = 0;
  unsigned minimo = 0;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
    minimo = 0x80;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    minimo = 0x800;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    minimo = 0x10000;
  } else {
    return 0;
  }
  if (i + n > t.size()) return 0;
  unsigned codice = c & (0x7Fu >> n);
  for (std::size_t k = 1; k < n; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) return 0;
    codice = (codice << 6) | (b(i + k) & 0x3Fu);
  }
  if (codice < minimo || codice > 0x10FFFF || (codice >= 0xD800 && codice <= 0xDFFF)) return 0;
  return n;
}
}  // namespace

std::string testo_json(std::string_view testo) {
  std::string out = "\"";
  for (std::size_t i = 0; i < testo.size();) {
    const auto c = static_cast<unsigned char>(testo[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
      ++i;
    } else if (c < 0x20 || c == 0x7F) {
      escape(out, c);
      ++i;
    } else if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
    } else if (const std::size_t n = sequenza_utf8(testo, i)) {
      out.append(testo.substr(i, n));
      i += n;
    } else {
      const unsigned u = c < 0xA0 && da_1252[c - 0x80] ? da_1252[c - 0x80] : c;
      escape(out, u);
      ++i;
    }
  }
  out += '"';
  return out;
}
