#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "base/blocco_byte.h"

// One element of the plan: empty (never computed), a 16-bit integer (the
// seeds) or a 64-bit real (every computed point). The tag travels into the
// plan file, so it is kept exactly.
enum class tag_piano : std::uint16_t { vuoto = 0, intero = 2, reale = 5 };

struct valore_piano {
  tag_piano tag = tag_piano::vuoto;
  std::int16_t intero = 0;
  double reale = 0.0;

  static valore_piano da_intero(std::int16_t v) { return {tag_piano::intero, v, 0.0}; }
  static valore_piano da_reale(double v) { return {tag_piano::reale, 0, v}; }
  // The numeric value whatever the tag (empty reads as 0).
  double numero() const { return tag == tag_piano::reale ? reale : static_cast<double>(intero); }
};

// Bytes of one value in the plan file: its 2-byte tag and its payload.
inline constexpr std::size_t byte_nel_file(tag_piano t) {
  return t == tag_piano::reale ? 10 : t == tag_piano::intero ? 4 : 2;
}

// planimetria(m, c): coordinate c (0 = first, 1 = second) of the point at
// metre m, m from 0 to lunghezza_estesa. Exists only when the line is read
// with con_planimetria non-zero.
//
// Held as the plan file's own records: one slot of 10 bytes per value, every
// first coordinate (metre 0 upward) and then every second one, each slot the
// value's tag and payload little-endian as the file has them. An integer or
// an empty value leaves the end of its slot unused (zero), so the file is the
// slots with those bytes left out: it is encoded by closing the gaps in place.
class tabella_piano {
 public:
  static constexpr std::size_t byte_per_casella = 10;

  bool esiste() const { return metri_ != 0; }
  // Points per coordinate (lunghezza_estesa + 1), 0 when the plan does not exist.
  std::size_t punti() const { return metri_; }
  std::int32_t ultimo_metro() const { return static_cast<std::int32_t>(metri_) - 1; }

  // Every value empty, metres 0 to lunghezza_estesa.
  void crea(std::int32_t lunghezza_estesa) {
    metri_ = static_cast<std::size_t>(lunghezza_estesa) + 1;
    caselle_ = blocco_byte::da_riempire(2 * metri_ * byte_per_casella);
  }
  void elimina() {
    caselle_ = blocco_byte();
    metri_ = 0;
  }

  // Reading by value: a value is changed through metti only.
  const valore_piano operator()(std::int32_t m, int c) const {
    const char* s = casella(m, c);
    valore_piano v;
    v.tag = static_cast<tag_piano>(leggi_u16(s));
    if (v.tag == tag_piano::intero) v.intero = static_cast<std::int16_t>(leggi_u16(s + 2));
    if (v.tag == tag_piano::reale) v.reale = leggi_reale(s + 2);
    return v;
  }
  double numero(std::int32_t m, int c) const {
    const char* s = casella(m, c);
    const auto tag = static_cast<tag_piano>(leggi_u16(s));
    if (tag == tag_piano::reale) return leggi_reale(s + 2);
    if (tag == tag_piano::intero) return static_cast<std::int16_t>(leggi_u16(s + 2));
    return 0.0;
  }

  void metti(std::int32_t m, int c, const valore_piano& v) {
    char* s = casella(m, c);
    std::memset(s, 0, byte_per_casella);
    scrivi_u16(s, static_cast<std::uint16_t>(v.tag));
    if (v.tag == tag_piano::intero) scrivi_u16(s + 2, static_cast<std::uint16_t>(v.intero));
    if (v.tag == tag_piano::reale) scrivi_reale(s + 2, v.reale);
  }
  void metti_reale(std::int32_t m, int c, double v) {
    char* s = casella(m, c);
    scrivi_u16(s, static_cast<std::uint16_t>(tag_piano::reale));
    scrivi_reale(s + 2, v);
  }

  // The slots, for the plan file's encoder, and the tag a slot starts with.
  const blocco_byte& caselle() const { return caselle_; }
  static tag_piano tag_della_casella(const char* s) { return static_cast<tag_piano>(leggi_u16(s)); }
  // Hands the slots over; the plan no longer exists afterwards.
  blocco_byte cedi_caselle() {
    metri_ = 0;
    return std::move(caselle_);
  }

 private:
  char* casella(std::int32_t m, int c) {
    return caselle_.data() + (static_cast<std::size_t>(c) * metri_ + static_cast<std::size_t>(m)) * byte_per_casella;
  }
  const char* casella(std::int32_t m, int c) const {
    return caselle_.data() + (static_cast<std::size_t>(c) * metri_ + static_cast<std::size_t>(m)) * byte_per_casella;
  }

  static std::uint16_t leggi_u16(const char* s) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(s[0]) | (static_cast<unsigned char>(s[1]) << 8));
  }
  static void scrivi_u16(char* s, std::uint16_t v) {
    s[0] = static_cast<char>(v & 0xFFu);
    s[1] = static_cast<char>(v >> 8);
  }
  static double leggi_reale(const char* s) {
    std::uint64_t u;
    std::memcpy(&u, s, 8);
    if constexpr (std::endian::native == std::endian::big) u = scambia(u);
    return std::bit_cast<double>(u);
  }
  static void scrivi_reale(char* s, double v) {
    auto u = std::bit_cast<std::uint64_t>(v);
    if constexpr (std::endian::native == std::endian::big) u = scambia(u);
    std::memcpy(s, &u, 8);
  }
  static constexpr std::uint64_t scambia(std::uint64_t u) {
    std::uint64_t r = 0;
    for (int k = 0; k < 8; ++k) r = (r << 8) | ((u >> (8 * k)) & 0xFFu);
    return r;
  }

  blocco_byte caselle_;
  std::size_t metri_ = 0;
};
