#include "scenario/rapporto/piano_csv.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

void scrivi_csv_piano(std::ostream& out, const tabella_piano& piano, std::int32_t lunghezza_linea) {
  out << "metro,x,y,direzione_gradi,raggio_m,tratto\n";
  const std::int32_t ultimo = piano.ultimo_metro();
  auto pieno = [&](std::int32_t m) {
    return m >= 0 && m <= ultimo && piano(m, 0).tag != tag_piano::vuoto && piano(m, 1).tag != tag_piano::vuoto;
  };
  char buf[160];
  for (std::int32_t m = 0; m <= ultimo; ++m) {
    if (!pieno(m)) {
      out << m << ",,,,,vuoto\n";
      continue;
    }
    const double x = piano(m, 0).numero(), y = piano(m, 1).numero();
    std::string direzione, raggio;
    if (pieno(m + 1)) {
      const double dx = piano(m + 1, 0).numero() - x, dy = piano(m + 1, 1).numero() - y;
      std::snprintf(buf, sizeof buf, "%.4f", std::atan2(dy, dx) * 180.0 / std::numbers::pi);
      direzione = buf;
    }
    // Radius of the circle through the points before, at and after this metre.
    if (pieno(m - 1) && pieno(m + 1)) {
      const double ax = piano(m - 1, 0).numero(), ay = piano(m - 1, 1).numero();
      const double bx = piano(m + 1, 0).numero(), by = piano(m + 1, 1).numero();
      const double croce = (x - ax) * (by - y) - (y - ay) * (bx - x);
      const double a = std::hypot(x - ax, y - ay), b = std::hypot(bx - x, by - y), c = std::hypot(bx - ax, by - ay);
      if (std::fabs(croce) > 1e-9) {
        std::snprintf(buf, sizeof buf, "%.1f", a * b * c / (2.0 * std::fabs(croce)));
        raggio = buf;
      }
    }
    std::snprintf(buf, sizeof buf, "%d,%.4f,%.4f,", m, x, y);
    out << buf << direzione << ',' << raggio << ',' << (m <= lunghezza_linea ? "linea" : "oltre_fine") << '\n';
  }
}
