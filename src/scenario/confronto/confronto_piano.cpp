#include "scenario/confronto/confronto_piano.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <numbers>
#include <optional>

namespace {

// Stretches that differ with fewer metres than this between them are one.
constexpr std::int32_t distanza_tra_tratti = 100;
// Turns at a metre closer than this, in radians, are the same curve.
constexpr double tolleranza_svolta = 1e-6;

const std::string freccia_piano = " \xE2\x86\x92 ";

bool pieno(const tabella_piano& p, std::int32_t m) {
  return m >= 0 && m <= p.ultimo_metro() && p(m, 0).tag != tag_piano::vuoto && p(m, 1).tag != tag_piano::vuoto;
}

// The angle the line turns by at metre m (from the step before it to the step
// after it), in radians, positive to the left; none where a point is missing.
std::optional<double> svolta(const tabella_piano& p, std::int32_t m) {
  if (!pieno(p, m - 1) || !pieno(p, m) || !pieno(p, m + 1)) return std::nullopt;
  const double d1 = std::atan2(p.numero(m, 1) - p.numero(m - 1, 1), p.numero(m, 0) - p.numero(m - 1, 0));
  const double d2 = std::atan2(p.numero(m + 1, 1) - p.numero(m, 1), p.numero(m + 1, 0) - p.numero(m, 0));
  double d = d2 - d1;
  if (d > std::numbers::pi) d -= 2 * std::numbers::pi;
  if (d < -std::numbers::pi) d += 2 * std::numbers::pi;
  return d;
}

// "rettilineo", or the radius of a turn of d radians a metre.
std::string testo_curva(const std::optional<double>& d) {
  if (!d) return "senza punti";
  if (std::fabs(*d) <= tolleranza_svolta) return "rettilineo";
  char buf[64];
  std::snprintf(buf, sizeof buf, "raggio %.0f m a %s", 1.0 / std::fabs(*d), *d > 0 ? "sinistra" : "destra");
  return buf;
}

// The runs of metres [0, n) where differisce holds, runs closer than
// distanza_tra_tratti joined: each as its first and last metre.
std::vector<std::pair<std::int32_t, std::int32_t>> tratti(std::int32_t n,
                                                          const std::function<bool(std::int32_t)>& differisce) {
  std::vector<std::pair<std::int32_t, std::int32_t>> v;
  for (std::int32_t m = 0; m < n; ++m) {
    if (!differisce(m)) continue;
    if (!v.empty() && m - v.back().second <= distanza_tra_tratti)
      v.back().second = m;
    else
      v.emplace_back(m, m);
  }
  return v;
}

}  // namespace

void confronta_piano(const scenario_confronto& ca, const scenario_confronto& cb, const scenario_compatto& a,
                     const scenario_compatto& b, std::vector<modifica>& m) {
  const bool in_a = a.piano && a.piano->esiste(), in_b = b.piano && b.piano->esiste();
  if (in_a != in_b) {
    m.push_back({"generale", "planimetria",
                 std::string("planimetria ") + (in_a ? "presente" : "assente") + freccia_piano +
                     (in_b ? "presente" : "assente"),
                 std::nullopt, std::nullopt});
    return;
  }
  if (!in_a) return;
  const tabella_piano &pa = *a.piano, &pb = *b.piano;
  // The same slots: nothing to walk metre by metre.
  const blocco_byte &caselle_a = pa.caselle(), &caselle_b = pb.caselle();
  if (caselle_a.size() == caselle_b.size() && std::memcmp(caselle_a.data(), caselle_b.data(), caselle_a.size()) == 0)
    return;
  const auto n = static_cast<std::int32_t>(std::min(pa.punti(), pb.punti()));

  for (const auto& [da, fino] : tratti(n, [&](std::int32_t x) {
         const std::optional<double> sa = svolta(pa, x), sb = svolta(pb, x);
         if (sa.has_value() != sb.has_value()) return true;
         return sa && std::fabs(*sa - *sb) > tolleranza_svolta;
       })) {
    modifica x{"profilo", "curva", "", luogo_in(ca, da, riga_del_profilo(ca, genere_record::curva, da)),
               luogo_in(cb, da, riga_del_profilo(cb, genere_record::curva, da))};
    x.descrizione = "curva " + testo_curva(svolta(pa, da)) + freccia_piano + testo_curva(svolta(pb, da)) + " tra " +
                    x.a->punto + " e " + luogo_in(ca, fino).punto;
    m.push_back(std::move(x));
  }

  for (const auto& [da, fino] : tratti(n, [&](std::int32_t x) {
         if (pieno(pa, x) != pieno(pb, x)) return true;
         return pieno(pa, x) && std::hypot(pa.numero(x, 0) - pb.numero(x, 0), pa.numero(x, 1) - pb.numero(x, 1)) >
                                    tolleranza_planimetria_m;
       })) {
    double massimo = 0;
    bool senza_punti = false;
    for (std::int32_t x = da; x <= fino; ++x) {
      if (pieno(pa, x) && pieno(pb, x))
        massimo = std::max(massimo, std::hypot(pa.numero(x, 0) - pb.numero(x, 0), pa.numero(x, 1) - pb.numero(x, 1)));
      else if (pieno(pa, x) != pieno(pb, x))
        senza_punti = true;
    }
    char buf[96];
    std::snprintf(buf, sizeof buf, "linea disegnata spostata fino a %.1f m", massimo);
    modifica x{"planimetria", "planimetria", "", luogo_in(ca, da), luogo_in(cb, da)};
    x.descrizione = std::string(buf) + (senza_punti ? ", con punti su un lato solo," : "") + " tra " + x.a->punto +
                    " e " + luogo_in(ca, fino).punto;
    m.push_back(std::move(x));
  }
}
