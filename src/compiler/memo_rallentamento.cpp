#include "compiler/memo_rallentamento.h"

#include "base/catalogo_errori.h"
#include "base/stato.h"
#include "compiler/memo_segnale.h"
#include "model/campi_cella.h"
#include "model/form1.h"
#include "model/misure.h"

namespace {
std::int16_t basso_16(std::int32_t v) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(v & 0xFFFF)); }

cella& cella_sicura(Form1& f, std::int64_t i) {
  if (i < 0 || i > f.numero_celle) interrompi(stato::lettura());
  return f.cella_n(static_cast<std::int32_t>(i));
}

// valore_2 keeps what the cell held when field 6 is 0.
void scrivi_valore_6(cella& c, std::int32_t r6, std::int16_t valore) {
  if (r6 != 0) c.valore_2 = valore;
}
}  // namespace

celle_rallentamento celle_di_rallentamento(std::int32_t r1, std::int32_t r3) {
  const double p = r1;
  return {cella_di_oggetto(p - 1200.0), cella_di_oggetto(p), cella_di_oggetto(p + r3),
          cella_di_progressiva(p - 1200.0)};
}

bool con_avviso(std::int32_t r1) { return r1 > 1500; }

void memo_rallentamento(Form1& f, std::int32_t r1, std::int32_t r2, std::int32_t r3, std::int32_t r4, std::int32_t r5,
                        std::int32_t r6) {
  const celle_rallentamento n = celle_di_rallentamento(r1, r3);
  const bool avviso = con_avviso(r1);
  if (!avviso) r5 = 0;
  // Every cell is checked before any is written: warning, start, end.
  if (avviso && !cella_libera(cella_sicura(f, n.avviso))) {
    f.numero_errore = err_avviso_occupato;
    return;
  }
  if (!cella_libera(cella_sicura(f, n.inizio))) {
    f.numero_errore = err_inizio_rallentamento_occupato;
    return;
  }
  if (!cella_libera(cella_sicura(f, n.fine))) {
    f.numero_errore = err_fine_rallentamento_occupato;
    return;
  }
  const std::int16_t v6 = basso_16(r6);
  cella& fine = cella_sicura(f, n.fine);
  fine.tipo = cella_fine_rallentamento;
  scrivi_valore_6(fine, r6, v6);
  cella& inizio = cella_sicura(f, n.inizio);
  inizio.tipo = cella_inizio_rallentamento;
  scrivi_valore_6(inizio, r6, v6);
  if (avviso) {
    cella& a = cella_sicura(f, n.avviso);
    a.tipo = cella_avviso_rallentamento;
    scrivi_valore_6(a, r6, v6);
    a.valore_1 = basso_16(r2);
  }
  // Start and end may be one cell for a very short slowdown: both get speed
  // and value 4 after their types are set.
  for (cella* c : {&inizio, &fine}) {
    c->valore_1 = basso_16(r2);
    c->valore_3 = basso_16(r4);
  }
  if (r5 == 0) return;
  // Four boards before the warning sign, numbered 1 (nearest) to 4.
  for (std::int64_t k = 0; k < 4; ++k) {
    if (!cella_libera(cella_sicura(f, n.tavola - k))) {
      f.numero_errore = err_tavole_occupate;
      return;
    }
  }
  for (std::int16_t k = 0; k < 4; ++k) {
    cella& t = cella_sicura(f, n.tavola - k);
    const auto numero = static_cast<std::int16_t>(k + 1);
    t.tipo = cella_tavola_distanziometrica;
    t.valore_1 = numero;
    scrivi_valore_6(t, r6, numero);
  }
}
