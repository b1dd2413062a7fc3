#include "compiler/progressive_ordina.h"

#include <array>
#include <cstdint>
#include <limits>

#include "base/stato.h"
#include "model/form1.h"
#include "model/misure.h"

namespace {

struct serie {
  std::int32_t inizio = 0;
  std::int32_t riferimento = 0;
  std::int32_t flag = 0;
};

serie serie_di(const stazione& s) { return {s.inizio, s.fine, s.progressiva}; }

void scrivi_serie(stazione& s, const serie& v) {
  s.inizio = v.inizio;
  s.fine = v.riferimento;
  s.progressiva = v.flag;
}

// Largest start first. Of the two smaller ones, equal starts put the first in
// X, Y, Z order last. When no start beats both others, all three are cleared.
std::array<serie, 3> per_inizio(const serie& x, const serie& y, const serie& z) {
  const serie tutte[3] = {x, y, z};
  for (int g = 0; g < 3; ++g) {
    const serie& a = tutte[(g + 1) % 3];
    const serie& b = tutte[(g + 2) % 3];
    if (tutte[g].inizio <= a.inizio || tutte[g].inizio <= b.inizio) continue;
    // a and b are the other two in X, Y, Z order except when g is Y (then
    // (g+1)%3 is Z and (g+2)%3 is X): put them back in file order.
    const serie& primo = g == 1 ? b : a;
    const serie& secondo = g == 1 ? a : b;
    if (primo.inizio > secondo.inizio) return {tutte[g], primo, secondo};
    return {tutte[g], secondo, primo};
  }
  return {};
}

// All starts zero: the last of X, Y, Z with a reference of at least 1 decides.
std::array<serie, 3> per_riferimento(const serie& x, const serie& y, const serie& z) {
  std::array<serie, 3> esito{};
  if (x.riferimento >= 1) esito = {x, y, z};
  if (y.riferimento >= 1) esito = {y, x, z};
  if (z.riferimento >= 1) esito = {z, y, x};
  return esito;
}

}  // namespace

void progressive_ordina(Form1& f) {
  const int voci[3] = {voce_progressiva_tre, voce_progressiva_due, voce_progressiva_uno};
  serie x = serie_di(f.stazioni[voce_progressiva_tre]);
  serie y = serie_di(f.stazioni[voce_progressiva_due]);
  serie z = serie_di(f.stazioni[voce_progressiva_uno]);

  std::int64_t somma = std::int64_t{x.inizio} + y.inizio + z.inizio;
  std::array<serie, 3> ordinate = somma != 0 ? per_inizio(x, y, z) : per_riferimento(x, y, z);
  for (int i = 0; i < 3; ++i)
    scrivi_serie(f.stazioni[static_cast<std::size_t>(voci[i])], ordinate[static_cast<std::size_t>(i)]);

  for (int voce : voci) {
    stazione& s = f.stazioni[static_cast<std::size_t>(voce)];
    if (s.progressiva != 1) continue;
    if (s.fine > std::numeric_limits<std::int32_t>::max() - aggiunta_serie_con_flag) interrompi(stato::lettura());
    s.fine += aggiunta_serie_con_flag;
  }
}
