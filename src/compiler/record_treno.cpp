#include "compiler/record_treno.h"

#include "base/catalogo_errori.h"
#include "compiler/memo_rallentamento.h"
#include "compiler/memo_segnale.h"
#include "compiler/stato_treno.h"
#include "model/campi_cella.h"
#include "model/form1.h"
#include "model/misure.h"

namespace {

esito_lettura fuori_percorso(stato_treno& s, std::int32_t p) {
  registra_errore(s, err_oltre_percorso, s.offset_record, p);
  return esito_lettura::errore_15;
}

// After a placement procedure: any error standing stops the reader, also an
// error 15 the line reader left.
esito_lettura dopo_collocazione(stato_treno& s, std::int32_t p) {
  if (s.f.numero_errore > 0) {
    registra_errore(s, s.f.numero_errore, s.offset_record, p);
    return esito_lettura::interrotta;
  }
  return esito_lettura::continua;
}

}  // namespace

void record_massa_frenata(stato_treno& s) { s.f.stazioni[voce_treno_linea].inizio = leggi_numero(s); }

void record_vetture(stato_treno& s) { s.f.stazioni[voce_treno_linea].progressiva = leggi_numero(s); }

void record_orologio(stato_treno& s) {
  stazione& r = s.f.stazioni[voce_ripetizione];
  r.campo_9 = leggi_16_bit(s);
  r.campo_10 = leggi_16_bit(s);
  r.campo_11 = leggi_16_bit(s);
}

void record_sabbia(stato_treno& s) { s.f.stazioni[voce_ripetizione].campo_7 = leggi_16_bit(s); }

esito_lettura record_abbattimento(stato_treno& s) {
  Form1& f = s.f;
  const std::int32_t p = leggi_numero(s);
  const std::int32_t k = leggi_numero(s);
  esito_lettura esito = controlla_progressiva(s, p, 100);
  if (esito != esito_lettura::continua) return esito;
  const std::int64_t i = cella_di_progressiva(p);
  if (!nel_percorso(f, i)) return fuori_percorso(s, p);
  cella& c = f.cella_n(static_cast<std::int32_t>(i));
  if (!cella_libera(c)) {
    registra_errore(s, err_abbattimento_occupato, s.offset_record, p);
    return esito_lettura::interrotta;
  }
  // A code written as text ("AC") reads as 0: a code point without a code.
  if (k > 0) {
    c.tipo = cella_codice;
    c.valore_1 = static_cast<std::int16_t>(static_cast<std::uint16_t>(k & 0xFFFF));
  } else {
    c.tipo = cella_codice_senza_valore;
  }
  return esito_lettura::continua;
}

esito_lettura record_segnale(stato_treno& s) {
  std::int32_t v[11];
  for (std::int32_t& numero : v) numero = leggi_numero(s);
  const std::int32_t p = v[0];
  esito_lettura esito = controlla_progressiva(s, p, 100);
  if (esito != esito_lettura::continua) return esito;
  if (!nel_percorso(s.f, cella_di_oggetto(p))) return fuori_percorso(s, p);
  memo_segnale(s.f, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10]);
  return dopo_collocazione(s, p);
}

esito_lettura record_rallentamento(stato_treno& s) {
  std::int32_t v[6];
  for (std::int32_t& numero : v) numero = leggi_numero(s);
  const std::int32_t p = v[0];
  esito_lettura esito = controlla_progressiva(s, p, 100);
  if (esito != esito_lettura::continua) return esito;
  // The range check bounds only the start; the end (start + length) and a
  // start before the line are refused here, before any cell is checked.
  const celle_rallentamento n = celle_di_rallentamento(p, v[2]);
  if (!nel_percorso(s.f, n.inizio) || !nel_percorso(s.f, n.fine)) return fuori_percorso(s, p);
  memo_rallentamento(s.f, v[0], v[1], v[2], v[3], v[4], v[5]);
  return dopo_collocazione(s, p);
}
