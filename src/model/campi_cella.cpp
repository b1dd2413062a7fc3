#include "model/campi_cella.h"

#include "base/nearest.h"

std::int64_t cella_di_oggetto(double p) { return nearest(p / metri_cella_reale + 1.0); }

std::int64_t cella_di_progressiva(double p) { return nearest(p / metri_cella_reale); }

coppia_vmax decodifica_coppia_vmax(std::int16_t parola) {
  // Floor division, so a negative word (a negative speed written) decodes too.
  const std::int32_t v = parola;
  std::int32_t centinaia = v / 100, resto = v % 100;
  if (resto < 0) {
    resto += 100;
    --centinaia;
  }
  return {centinaia * passo_velocita, resto * passo_velocita};
}
