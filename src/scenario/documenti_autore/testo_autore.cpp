#include "scenario/documenti_autore/testo_autore.h"

#include <cstdint>
#include <cstdio>

#include "scenario/testo/da_1252.h"
#include "scenario/testo/indice_righe.h"

namespace {

// Length of the UTF-8 sequence at i and its code point; 0 when the bytes
// there are not valid UTF-8.
std::size_t sequenza_utf8(std::string_view s, std::size_t i, std::uint32_t& cp) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = b(i);
  std::size_t n = 0;
  if (c < 0x80) {
    cp = c;
    return 1;
  }
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
    cp = c & 0x1Fu;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    cp = c & 0x0Fu;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    cp = c & 0x07u;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b(i + k) & 0x3Fu);
  }
  const std::uint32_t minimo[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < minimo[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

// UTF-8 when every byte is part of a valid sequence and at least one
// sequence is longer than a byte: a Windows-1252 text with accented letters
// is almost never valid UTF-8.
bool sembra_utf8(std::string_view s) {
  bool multibyte = false;
  std::uint32_t cp = 0;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = sequenza_utf8(s, i, cp);
    if (n == 0) return false;
    multibyte = multibyte || n > 1;
    i += n;
  }
  return multibyte;
}

// The Windows-1252 byte of a code point, or -1.
int byte_1252(std::uint32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  for (unsigned b = 0x80; b <= 0xFF; ++b)
    if (codice_da_1252(static_cast<unsigned char>(b)) == cp && b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 &&
        b != 0x9D)
      return static_cast<int>(b);
  return -1;
}

std::string u_piu(std::uint32_t cp) {
  char t[16];
  std::snprintf(t, sizeof t, "U+%04X", static_cast<unsigned>(cp));
  return t;
}

bool controllo(std::uint32_t cp) { return cp < 32 && cp != '\t'; }

}  // namespace

std::vector<std::string> righe_autore(std::string_view byte, const std::string& file,
                                      std::vector<std::string>& errori) {
  if (byte.substr(0, 3) == "\xEF\xBB\xBF") byte.remove_prefix(3);
  const bool utf8 = sembra_utf8(byte);
  const indice_righe indice(byte);
  std::vector<std::string> righe;
  std::size_t numero = 1;
  const auto rifiuta = [&](const std::string& perche) {
    errori.push_back(file + ":" + std::to_string(numero) + ": " + perche);
  };
  // Every line but the empty one after a last line end.
  for (std::size_t r = 0; r < indice.righe() && (r == 0 || indice.inizio(r) < byte.size()); ++r) {
    numero = r + 1;
    righe.emplace_back();
    for (std::size_t i = indice.inizio(r); i < indice.fine(r);) {
      std::uint32_t cp = static_cast<unsigned char>(byte[i]);
      std::size_t n = 1;
      if (utf8) n = sequenza_utf8(byte, i, cp);
      i += n;
      if (controllo(cp)) {
        rifiuta("carattere di controllo " + u_piu(cp) + " non ammesso");
        continue;
      }
      if (!utf8) {
        const unsigned char b = static_cast<unsigned char>(cp);
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) {
          char esadecimale[8];
          std::snprintf(esadecimale, sizeof esadecimale, "0x%02X", static_cast<unsigned>(b));
          rifiuta(std::string("il byte ") + esadecimale + " non \xC3\xA8 un carattere di Windows-1252");
          continue;
        }
        righe.back() += static_cast<char>(b);
        continue;
      }
      const int b = byte_1252(cp);
      if (b < 0) {
        rifiuta("il carattere " + u_piu(cp) + " non esiste in Windows-1252");
        continue;
      }
      righe.back() += static_cast<char>(b);
    }
  }
  if (byte.empty()) righe.clear();
  return righe;
}

std::string testo_crlf(const std::vector<std::string>& righe) {
  std::string t;
  for (const std::string& r : righe) t += r + "\r\n";
  return t;
}
