#include "scenario/svg/etichette_svg.h"

double larghezza_testo(std::string_view utf8, double corpo) {
  std::size_t caratteri = 0;
  for (unsigned char c : utf8) caratteri += (c & 0xC0) != 0x80;
  return static_cast<double>(caratteri) * 0.68 * corpo;
}

riquadro riquadro_testo(double x, double y, double corpo, std::string_view ancora, std::string_view utf8) {
  const double w = larghezza_testo(utf8, corpo);
  const double x0 = ancora == "middle" ? x - w / 2 : ancora == "end" ? x - w : x;
  // Capitals rise about 0.75 of the size above the baseline, descenders go 0.25 below.
  return {x0, y - 0.8 * corpo, x0 + w, y + 0.25 * corpo};
}

bool spazio_occupato::libero(const riquadro& r) const {
  for (const riquadro& p : presi)
    if (p.tocca(r)) return false;
  return true;
}
