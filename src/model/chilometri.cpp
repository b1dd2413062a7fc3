#include "model/chilometri.h"

#include <algorithm>
#include <cstdlib>

#include "model/form1.h"
#include "model/misure.h"

std::vector<serie_chilometrica> serie_chilometriche(std::span<const stazione> stazioni) {
  std::vector<serie_chilometrica> serie;
  for (int k : {voce_progressiva_tre, voce_progressiva_due, voce_progressiva_uno}) {
    if (static_cast<std::size_t>(k) >= stazioni.size()) continue;
    const stazione& s = stazioni[static_cast<std::size_t>(k)];
    // The compiler adds 100 to the reference of a series whose flag is 1.
    const std::int64_t scritto = std::int64_t{s.fine} - (s.progressiva == 1 ? aggiunta_serie_con_flag : 0);
    if (s.inizio == 0 && scritto == 0) continue;
    serie.push_back({s.inizio, scritto});
  }
  std::stable_sort(serie.begin(), serie.end(), [](const auto& a, const auto& b) { return a.inizio < b.inizio; });
  return serie;
}

punto_chilometrico punto_di(std::span<const serie_chilometrica> serie, std::int64_t progressiva) {
  // The last series whose start lies before the progressive is in force.
  const serie_chilometrica* in_vigore = nullptr;
  for (const serie_chilometrica& s : serie)
    if (s.inizio < progressiva) in_vigore = &s;
  if (!in_vigore) return {progressiva, false};
  return {in_vigore->riferimento - progressiva, true};
}

std::string testo_punto(std::int64_t metri) {
  const std::int64_t m = std::llabs(metri);
  std::string resto = std::to_string(m % 1000);
  resto.insert(0, 3 - resto.size(), '0');
  return (metri < 0 ? "-" : "") + std::to_string(m / 1000) + "+" + resto;
}

std::vector<std::int64_t> progressive_del_punto(std::span<const serie_chilometrica> serie, std::int64_t metri,
                                                std::int64_t lunghezza) {
  std::vector<std::int64_t> dove;
  // Before the first series: the distance from the start, up to its start.
  const std::int64_t fine_prima = serie.empty() ? lunghezza : std::min<std::int64_t>(serie.front().inizio, lunghezza);
  if (metri >= 0 && metri <= fine_prima) dove.push_back(metri);
  for (std::size_t i = 0; i < serie.size(); ++i) {
    const std::int64_t fine = i + 1 < serie.size() ? serie[i + 1].inizio : lunghezza;
    const std::int64_t p = serie[i].riferimento - metri;
    if (p > serie[i].inizio && p <= std::min(fine, lunghezza) && p >= 0) dove.push_back(p);
  }
  std::sort(dove.begin(), dove.end());
  return dove;
}
