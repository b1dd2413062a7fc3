#include "compiler/piano_linea.h"

#include <algorithm>

#include "model/form1.h"

namespace {

struct punto {
  double x;
  double y;
};

punto punto_a(const tabella_piano& t, std::int32_t m) { return {t(m, 0).numero(), t(m, 1).numero()}; }

void scrivi_punto(tabella_piano& t, std::int32_t m, punto p) {
  t(m, 0) = valore_piano::da_reale(p.x);
  t(m, 1) = valore_piano::da_reale(p.y);
}

// P(m) from the step (dx, dy) = P(m-1) - P(m-2). Inside a curve the new step
// is formed first and then added: that order fixes the rounding of every
// point, so it must not be rearranged.
void calcola_punto(tabella_piano& t, std::int32_t m, double k, bool in_curva) {
  punto prima = punto_a(t, m - 2);
  punto ultimo = punto_a(t, m - 1);
  double dx = ultimo.x - prima.x;
  double dy = ultimo.y - prima.y;
  if (in_curva) {
    double nuovo_dx = dx + k * dy;
    double nuovo_dy = dy - k * dx;
    dx = nuovo_dx;
    dy = nuovo_dy;
  }
  scrivi_punto(t, m, {ultimo.x + dx, ultimo.y + dy});
}

bool contiene(std::string_view testo, char c) { return testo.find(c) != std::string_view::npos; }

}  // namespace

void semina_piano(Form1& f, std::int32_t& cursore) {
  tabella_piano& t = f.planimetria;
  t(0, 0) = valore_piano::da_intero(0);
  t(0, 1) = valore_piano::da_intero(0);
  t(1, 0) = valore_piano::da_intero(0);
  t(1, 1) = valore_piano::da_intero(1);
  cursore = 2;
}

std::optional<double> fattore_curva(std::string_view parola) {
  static constexpr struct {
    char cifra;
    double k;
  } classi[] = {{'1', 0.0001}, {'2', 0.0002}, {'3', 0.0004}, {'4', 0.001}, {'5', 0.002}, {'6', 0.003}};
  for (const auto& c : classi) {
    if (!contiene(parola, c.cifra)) continue;
    bool sinistra = contiene(parola, 's') || contiene(parola, 'S');
    return sinistra ? -c.k : c.k;
  }
  return std::nullopt;
}

esito_curva aggiungi_curva(Form1& f, std::int32_t& cursore, std::int32_t p, std::int32_t n,
                           std::string_view parola) {
  std::optional<double> k = fattore_curva(parola);
  if (!k) return esito_curva::senza_classe;
  // Every metre this record may compute must lie inside the table.
  std::int64_t fine = static_cast<std::int64_t>(p) + n;
  std::int64_t ultimo_calcolato = std::max<std::int64_t>(p, fine);
  if (ultimo_calcolato > f.planimetria.ultimo_metro()) return esito_curva::oltre_la_tabella;

  while (cursore <= p) {
    calcola_punto(f.planimetria, cursore, 0.0, false);
    ++cursore;
    if (cursore > ultimo_metro_curve) return esito_curva::oltre_il_limite;
  }
  while (cursore <= fine) {
    calcola_punto(f.planimetria, cursore, *k, true);
    ++cursore;
    if (cursore > ultimo_metro_curve) return esito_curva::oltre_il_limite;
  }
  return esito_curva::fatta;
}

void estendi_piano(Form1& f, std::int32_t& cursore) {
  std::int32_t ultimo = f.planimetria.ultimo_metro() - 2;
  while (cursore <= ultimo) {
    calcola_punto(f.planimetria, cursore, 0.0, false);
    ++cursore;
  }
}
