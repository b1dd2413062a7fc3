#include "compiler/memo_montagna.h"

#include "base/nearest.h"
#include "model/form1.h"
#include "model/misure.h"

celle_montagna celle_di_montagna(std::int32_t a, std::int32_t b) {
  return {nearest(a / metri_cella_reale), nearest(b / metri_cella_reale - 1.0)};
}

void memo_montagna(Form1& f, std::int32_t a, std::int32_t b, std::int32_t v) {
  if (f.numero_montagne < 0 || f.numero_montagne >= massimo_montagne) return;
  celle_montagna celle = celle_di_montagna(a, b);
  if (celle.primo <= celle.ultimo && (celle.primo < 0 || celle.ultimo > f.numero_celle)) return;

  std::int64_t classe = v;
  bool segnata = false;
  if (classe > 10) {
    classe -= 10;
    segnata = true;
  }

  ++f.numero_montagne;
  const auto n = static_cast<std::size_t>(f.numero_montagne);
  f.montagna_inizio[n] = a;
  f.montagna_fine[n] = b;
  // Stretches that almost touch the previous one are the steepest class.
  if (n > 1 && std::int64_t{a} - f.montagna_fine[n - 1] <= 150) classe = 3;

  std::int64_t conta = 0;
  for (std::int64_t i = celle.primo; i <= celle.ultimo; ++i) {
    cella& c = f.cella_n(static_cast<std::int32_t>(i));
    ++conta;
    c.montagna = static_cast<std::uint8_t>(classe);
    if (segnata && conta % 4 == 0 && c.tipo == cella_vuota) c.tipo = cella_segno_montagna;
  }
}
