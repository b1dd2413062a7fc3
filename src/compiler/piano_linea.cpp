#include "compiler/piano_linea.h"

#include <algorithm>

#include "model/form1.h"

namespace {

struct punto {
  double x;
  double y;
};

// The walk from the cursor on: the last two points are carried from one metre
// to the next, so each metre reads nothing back from the table.
struct cammino {
  tabella_piano& t;
  punto prima;
  punto ultimo;

  cammino(tabella_piano& tabella, std::int32_t cursore)
      : t(tabella),
        prima{t.numero(cursore - 2, 0), t.numero(cursore - 2, 1)},
        ultimo{t.numero(cursore - 1, 0), t.numero(cursore - 1, 1)} {}

  // P(m) from the step (dx, dy) = P(m-1) - P(m-2). Inside a curve the new
  // step is formed first and then added: that order fixes the rounding of
  // every point, so it must not be rearranged.
  void calcola_punto(std::int32_t m, double k, bool in_curva) {
    double dx = ultimo.x - prima.x;
    double dy = ultimo.y - prima.y;
    if (in_curva) {
      double nuovo_dx = dx + k * dy;
      double nuovo_dy = dy - k * dx;
      dx = nuovo_dx;
      dy = nuovo_dy;
    }
    prima = ultimo;
    ultimo = {ultimo.x + dx, ultimo.y + dy};
    t.metti_reale(m, 0, ultimo.x);
    t.metti_reale(m, 1, ultimo.y);
  }
};

bool contiene_carattere(std::string_view testo, char c) { return testo.find(c) != std::string_view::npos; }

}  // namespace

void semina_piano(Form1& f, std::int32_t& cursore) {
  tabella_piano& t = f.planimetria;
  t.metti(0, 0, valore_piano::da_intero(0));
  t.metti(0, 1, valore_piano::da_intero(0));
  t.metti(1, 0, valore_piano::da_intero(0));
  t.metti(1, 1, valore_piano::da_intero(1));
  cursore = 2;
}

std::optional<double> fattore_curva(std::string_view parola) {
  static constexpr struct {
    char cifra;
    double k;
  } classi[] = {{'1', 0.0001}, {'2', 0.0002}, {'3', 0.0004}, {'4', 0.001}, {'5', 0.002}, {'6', 0.003}};
  for (const auto& c : classi) {
    if (!contiene_carattere(parola, c.cifra)) continue;
    bool sinistra = contiene_carattere(parola, 's') || contiene_carattere(parola, 'S');
    return sinistra ? -c.k : c.k;
  }
  return std::nullopt;
}

esito_curva aggiungi_curva(Form1& f, std::int32_t& cursore, std::int32_t p, std::int32_t n, std::string_view parola) {
  std::optional<double> k = fattore_curva(parola);
  if (!k) return esito_curva::senza_classe;
  // Every metre this record may compute must lie inside the table.
  std::int64_t fine = static_cast<std::int64_t>(p) + n;
  std::int64_t ultimo_calcolato = std::max<std::int64_t>(p, fine);
  if (ultimo_calcolato > f.planimetria.ultimo_metro()) return esito_curva::oltre_la_tabella;

  if (cursore > p && cursore > fine) return esito_curva::fatta;
  cammino c(f.planimetria, cursore);
  while (cursore <= p) {
    c.calcola_punto(cursore, 0.0, false);
    ++cursore;
    if (cursore > ultimo_metro_curve) return esito_curva::oltre_il_limite;
  }
  while (cursore <= fine) {
    c.calcola_punto(cursore, *k, true);
    ++cursore;
    if (cursore > ultimo_metro_curve) return esito_curva::oltre_il_limite;
  }
  return esito_curva::fatta;
}

void estendi_piano(Form1& f, std::int32_t& cursore) {
  std::int32_t ultimo = f.planimetria.ultimo_metro() - 2;
  if (cursore > ultimo) return;
  cammino c(f.planimetria, cursore);
  while (cursore <= ultimo) {
    c.calcola_punto(cursore, 0.0, false);
    ++cursore;
  }
}
