#include "scenario/pagina/piano_sfoltito.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
struct punto {
  double x, y;
};

// Distance from p to the segment a-b (to a itself when a and b coincide), so
// that a line turning back on itself keeps its turning point.
double distanza(const punto& p, const punto& a, const punto& b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double l2 = dx * dx + dy * dy;
  double t = l2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / l2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

struct tratto {
  std::size_t a, b;
  double soglia;  // the tolerance below which this stretch was split
};
}  // namespace

std::vector<punto_sfoltito> sfoltisci_piano(const tabella_piano& piano, double tolleranza_minima) {
  std::vector<punto_sfoltito> kept;
  if (!piano.esiste()) return kept;
  std::int32_t ultimo = piano.ultimo_metro();
  while (ultimo >= 0 && piano(ultimo, 0).tag == tag_piano::vuoto && piano(ultimo, 1).tag == tag_piano::vuoto) --ultimo;
  if (ultimo < 1) return kept;
  std::vector<punto> p(static_cast<std::size_t>(ultimo) + 1);
  for (std::int32_t m = 0; m <= ultimo; ++m)
    p[static_cast<std::size_t>(m)] = {piano(m, 0).numero(), piano(m, 1).numero()};

  const double infinito = std::numeric_limits<double>::infinity();
  std::vector<double> soglia(p.size(), -1.0);
  soglia.front() = soglia.back() = infinito;
  std::vector<tratto> da_fare{{0, p.size() - 1, infinito}};
  while (!da_fare.empty()) {
    const tratto t = da_fare.back();
    da_fare.pop_back();
    double massimo = -1;
    std::size_t k = t.a;
    for (std::size_t i = t.a + 1; i < t.b; ++i) {
      const double d = distanza(p[i], p[t.a], p[t.b]);
      if (d > massimo) {
        massimo = d;
        k = i;
      }
    }
    if (massimo <= tolleranza_minima) continue;
    // A point is needed at tolerance s only when every split above it is.
    soglia[k] = std::min(massimo, t.soglia);
    da_fare.push_back({t.a, k, soglia[k]});
    da_fare.push_back({k, t.b, soglia[k]});
  }
  for (std::size_t i = 0; i < p.size(); ++i)
    if (soglia[i] >= 0) kept.push_back({static_cast<std::int32_t>(i), p[i].x, p[i].y, soglia[i]});
  return kept;
}
