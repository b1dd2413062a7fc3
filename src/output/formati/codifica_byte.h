#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Byte encoders and decoders of the compact files: little-endian, packed, one
// put/get pair per width. A put writes at the cursor into a buffer already
// made at the file's full size and moves the cursor on; a get reads at the
// cursor, moves it on, and refuses (returns false, cursor unmoved) when the
// bytes left are too few, so a decoder never reads past the end.

inline void metti_u8(char*& p, std::uint8_t v) { *p++ = static_cast<char>(v); }

inline void metti_u16(char*& p, std::uint16_t v) {
  p[0] = static_cast<char>(v & 0xFFu);
  p[1] = static_cast<char>(v >> 8);
  p += 2;
}

inline void metti_i16(char*& p, std::int16_t v) { metti_u16(p, static_cast<std::uint16_t>(v)); }

inline void metti_u32(char*& p, std::uint32_t v) {
  metti_u16(p, static_cast<std::uint16_t>(v & 0xFFFFu));
  metti_u16(p, static_cast<std::uint16_t>(v >> 16));
}

inline void metti_i32(char*& p, std::int32_t v) { metti_u32(p, static_cast<std::uint32_t>(v)); }

inline void metti_u64(char*& p, std::uint64_t v) {
  metti_u32(p, static_cast<std::uint32_t>(v & 0xFFFFFFFFu));
  metti_u32(p, static_cast<std::uint32_t>(v >> 32));
}

// IEEE 754 binary64, every bit kept (NaN payloads and the sign of zero too).
inline void metti_f64(char*& p, double v) { metti_u64(p, std::bit_cast<std::uint64_t>(v)); }

inline void metti_byte(char*& p, std::string_view byte) {
  if (!byte.empty()) std::memcpy(p, byte.data(), byte.size());
  p += byte.size();
}

struct cursore_byte {
  std::string_view dati;
  std::size_t pos = 0;
  std::size_t resto() const { return dati.size() - pos; }
  bool alla_fine() const { return pos == dati.size(); }
};

inline bool prendi_u8(cursore_byte& c, std::uint8_t& v) {
  if (c.resto() < 1) return false;
  v = static_cast<std::uint8_t>(c.dati[c.pos]);
  c.pos += 1;
  return true;
}

inline bool prendi_u16(cursore_byte& c, std::uint16_t& v) {
  if (c.resto() < 2) return false;
  const auto b0 = static_cast<std::uint8_t>(c.dati[c.pos]);
  const auto b1 = static_cast<std::uint8_t>(c.dati[c.pos + 1]);
  v = static_cast<std::uint16_t>(b0 | (b1 << 8));
  c.pos += 2;
  return true;
}

inline bool prendi_i16(cursore_byte& c, std::int16_t& v) {
  std::uint16_t u = 0;
  if (!prendi_u16(c, u)) return false;
  v = static_cast<std::int16_t>(u);
  return true;
}

inline bool prendi_u32(cursore_byte& c, std::uint32_t& v) {
  if (c.resto() < 4) return false;
  std::uint16_t basso = 0, alto = 0;
  prendi_u16(c, basso);
  prendi_u16(c, alto);
  v = static_cast<std::uint32_t>(basso) | (static_cast<std::uint32_t>(alto) << 16);
  return true;
}

inline bool prendi_i32(cursore_byte& c, std::int32_t& v) {
  std::uint32_t u = 0;
  if (!prendi_u32(c, u)) return false;
  v = static_cast<std::int32_t>(u);
  return true;
}

inline bool prendi_u64(cursore_byte& c, std::uint64_t& v) {
  if (c.resto() < 8) return false;
  std::uint32_t basso = 0, alto = 0;
  prendi_u32(c, basso);
  prendi_u32(c, alto);
  v = static_cast<std::uint64_t>(basso) | (static_cast<std::uint64_t>(alto) << 32);
  return true;
}

inline bool prendi_f64(cursore_byte& c, double& v) {
  std::uint64_t u = 0;
  if (!prendi_u64(c, u)) return false;
  v = std::bit_cast<double>(u);
  return true;
}

// Outcome of decoding a compact file. A refusal names the byte offset of the
// fault and the fault itself: "offset 1234: ...".
struct esito_decodifica {
  bool valido = true;
  std::size_t offset = 0;
  std::string messaggio;
};

inline esito_decodifica decodifica_riuscita() { return {}; }

inline esito_decodifica rifiuto(std::size_t offset, const std::string& guasto) {
  return {false, offset, "offset " + std::to_string(offset) + ": " + guasto};
}
