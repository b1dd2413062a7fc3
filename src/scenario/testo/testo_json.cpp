#include "scenario/testo/testo_json.h"

#include <cstdint>
#include <cstdio>

#include "scenario/testo/da_1252.h"

namespace {
void escape(std::string& out, unsigned codice) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "\\u%04x", codice);
  out += buf;
}

// Length of the valid UTF-8 sequence at i (2 to 4), or 0.
std::size_t sequenza_utf8_json(std::string_view t, std::size_t i) {
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
    } else if (const std::size_t n = sequenza_utf8_json(testo, i)) {
      out.append(testo.substr(i, n));
      i += n;
    } else {
      escape(out, codice_da_1252(c));
      ++i;
    }
  }
  out += '"';
  return out;
}
