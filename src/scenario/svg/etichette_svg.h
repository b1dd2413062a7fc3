#pragma once
#include <string_view>
#include <vector>

// Boxes of texts and marks on a drawing, to place labels where no other
// label, axis text or mark stands.
struct riquadro {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool tocca(const riquadro& b) const { return x0 < b.x1 && b.x0 < x1 && y0 < b.y1 && b.y0 < y1; }
};

// The box grown by m on every side: labels keep that much room from others.
inline riquadro con_margine(const riquadro& r, double m) { return {r.x0 - m, r.y0 - m / 4, r.x1 + m, r.y1 + m / 4}; }

// A width that no sans-serif rendering of the text exceeds much: 0.68 of the
// font size per character (UTF-8 counted by characters).
double larghezza_testo(std::string_view utf8, double corpo);

// The box of an SVG text at x, y (baseline) with its text-anchor
// ("start", "middle" or "end").
riquadro riquadro_testo(double x, double y, double corpo, std::string_view ancora, std::string_view utf8);

// The boxes taken so far on one drawing.
struct spazio_occupato {
  std::vector<riquadro> presi;
  bool libero(const riquadro& r) const;
  void prendi(const riquadro& r) { presi.push_back(r); }
};
