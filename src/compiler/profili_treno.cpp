#include "compiler/profili_treno.h"

#include "base/nearest.h"
#include "compiler/riempi_profilo.h"
#include "compiler/stato_treno.h"
#include "model/campi_cella.h"
#include "model/form1.h"
#include "model/misure.h"

namespace {

// The speed of the previous record in units of 5 km/h, checked when it is
// about to be written: error 25 at that record's speed field.
std::uint8_t velocita_in_cella(stato_treno& s) {
  const std::int64_t v = nearest(s.velocita_precedente / passo_velocita_reale);
  if (v < 0 || v > 255) fallisci(s, s.offset_velocita);
  return static_cast<std::uint8_t>(v);
}

std::uint8_t aderenza_in_cella(const stato_treno& s) { return static_cast<std::uint8_t>(s.aderenza_precedente & 0xFF); }

}  // namespace

esito_lettura record_velocita(stato_treno& s) {
  Form1& f = s.f;
  const std::int32_t p = leggi_numero(s);
  const std::int32_t v = leggi_numero(s);
  const std::size_t campo_v = s.in.inizio_voce;
  esito_lettura esito = controlla_progressiva(s, p, 100);
  if (esito != esito_lettura::continua) return esito;
  const std::int64_t n = cella_di_progressiva(p);
  if (n > 0) {
    // The last cell is never reached by a record: the fill stops before it.
    riempi_profilo(f, s.posizione_velocita, n, f.numero_celle - 1,
                   [&s](cella& c) { c.velocita = velocita_in_cella(s); });
  }
  s.velocita_precedente = v;
  s.offset_velocita = campo_v;
  return esito_lettura::continua;
}

esito_lettura record_aderenza(stato_treno& s) {
  Form1& f = s.f;
  const std::int32_t p = leggi_numero(s);
  const std::int32_t a = leggi_numero(s);
  esito_lettura esito = controlla_progressiva(s, p, 100);
  if (esito != esito_lettura::continua) return esito;
  const std::int64_t n = cella_di_progressiva(p);
  if (n > 0) {
    riempi_profilo(f, s.posizione_aderenza, n, f.numero_celle, [&s](cella& c) { c.aderenza = aderenza_in_cella(s); });
  }
  s.aderenza_precedente = a;
  return esito_lettura::continua;
}

void completa_velocita(stato_treno& s) {
  Form1& f = s.f;
  riempi_profilo(f, s.posizione_velocita, f.numero_celle - 2, f.numero_celle,
                 [&s](cella& c) { c.velocita = velocita_in_cella(s); });
}

void completa_aderenza(stato_treno& s) {
  Form1& f = s.f;
  riempi_profilo(f, s.posizione_aderenza, f.numero_celle - 2, f.numero_celle,
                 [&s](cella& c) { c.aderenza = aderenza_in_cella(s); });
}
