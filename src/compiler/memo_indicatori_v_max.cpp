#include "compiler/memo_indicatori_v_max.h"

#include <limits>

#include "base/catalogo_errori.h"
#include "base/nearest.h"
#include "base/stato.h"
#include "model/form1.h"
#include "model/misure.h"

namespace {

// One speed pair: the first speed counts hundreds of fifths, the second units.
std::int16_t coppia(std::int32_t s, std::int32_t t) {
  std::int64_t v = nearest(t / passo_velocita_reale + 20.0 * s);
  if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
    interrompi(stato::lettura());
  return static_cast<std::int16_t>(v);
}

}  // namespace

void memo_indicatori_v_max(Form1& f, std::int32_t p, std::int32_t s1, std::int32_t s2, std::int32_t s3, std::int32_t c1,
                           std::int32_t t1, std::int32_t t2, std::int32_t t3, std::int32_t c2) {
  std::int64_t i = cella_di_oggetto(p);
  if (i < 0 || i > f.numero_celle) interrompi(stato::lettura());  // the reader refuses these first
  cella& c = f.cella_n(static_cast<std::int32_t>(i));
  if (!cella_libera(c)) {
    f.numero_errore = err_indicatore_vmax_occupato;
    return;
  }
  // All values first, so a pair out of range leaves the cell as it was.
  std::int16_t v1 = coppia(s1, t1);
  std::int16_t v2 = coppia(s2, t2);
  std::int16_t v3 = coppia(s3, t3);
  auto codici = static_cast<std::uint16_t>(static_cast<std::uint16_t>(c1) * 10u + static_cast<std::uint16_t>(c2));
  c.tipo = cella_indicatore_vmax;
  c.valore_1 = v1;
  c.valore_2 = v2;
  c.valore_3 = v3;
  c.valore_4 = static_cast<std::int16_t>(codici);
}
