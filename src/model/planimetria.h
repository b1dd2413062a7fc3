#pragma once
#include <array>
#include <cstdint>
#include <vector>

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
  double numero() const {
    return tag == tag_piano::reale ? reale : static_cast<double>(intero);
  }
};

// planimetria(m, c): coordinate c (0 = first, 1 = second) of the point at
// metre m, m from 0 to lunghezza_estesa. Exists only when the line is read
// with con_planimetria non-zero.
struct tabella_piano {
  std::array<std::vector<valore_piano>, 2> colonne;

  bool esiste() const { return !colonne[0].empty(); }
  std::int32_t ultimo_metro() const { return static_cast<std::int32_t>(colonne[0].size()) - 1; }
  valore_piano& operator()(std::int32_t m, int c) { return colonne[static_cast<std::size_t>(c)][static_cast<std::size_t>(m)]; }
  const valore_piano& operator()(std::int32_t m, int c) const { return colonne[static_cast<std::size_t>(c)][static_cast<std::size_t>(m)]; }
  void crea(std::int32_t lunghezza_estesa) {
    for (auto& col : colonne) col.assign(static_cast<std::size_t>(lunghezza_estesa) + 1, valore_piano{});
  }
  void elimina() { for (auto& col : colonne) { col.clear(); col.shrink_to_fit(); } }
};
