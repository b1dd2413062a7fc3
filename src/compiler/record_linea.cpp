#include "compiler/record_linea.h"

#include "base/catalogo_errori.h"
#include "compiler/memo_indicatori_v_max.h"
#include "compiler/memo_montagna.h"
#include "compiler/piano_linea.h"
#include "compiler/riempi_profilo.h"
#include "compiler/stato_linea.h"
#include "model/campi_cella.h"
#include "model/form1.h"
#include "model/misure.h"

namespace {

// The checks every record makes on its first progressive.
esito_lettura controlla_progressiva(stato_linea& s, std::int32_t p) {
  if (!s.f.percorso_esiste()) fallisci(s, s.offset_record);  // no length record before the records
  // (p + 100) / 50 > numero_celle, exactly, without rounding.
  if (std::int64_t{p} + 100 > std::int64_t{metri_cella} * s.f.numero_celle) {
    registra_errore(s, err_oltre_percorso, s.offset_record, p);
    return esito_lettura::errore_15;
  }
  return esito_lettura::continua;
}

bool fuori_percorso(const Form1& f, std::int64_t i) { return i < 0 || i > f.numero_celle; }

}  // namespace

esito_lettura record_pendenza(stato_linea& s) {
  std::int32_t p = leggi_numero(s.in);
  std::int32_t g = leggi_numero(s.in);
  esito_lettura esito = controlla_progressiva(s, p);
  if (esito != esito_lettura::continua) return esito;
  Form1& f = s.f;
  std::int64_t t = cella_di_progressiva(p);
  if (t > 0) {
    // The previous value covers the cells up to t; at least one cell is
    // written even when t is not beyond the cursor.
    auto valore = static_cast<std::uint8_t>(std::int64_t{s.pendenza_precedente} + scarto_pendenza);
    riempi_profilo(f, s.cursore_pendenza, t, f.numero_celle, [valore](cella& c) { c.pendenza = valore; });
  }
  s.pendenza_precedente = g;
  return esito_lettura::continua;
}

esito_lettura record_curva(stato_linea& s, const std::string& parola) {
  std::int32_t p = leggi_numero(s.in);
  std::int32_t n = leggi_numero(s.in);
  esito_lettura esito = controlla_progressiva(s, p);
  if (esito != esito_lettura::continua) return esito;
  switch (aggiungi_curva(s.f, s.cursore_piano, p, n, parola)) {
    case esito_curva::fatta:
      return esito_lettura::continua;
    case esito_curva::oltre_la_tabella:
      registra_errore(s, err_oltre_percorso, s.offset_record, p);
      return esito_lettura::errore_15;
    case esito_curva::senza_classe:
    case esito_curva::oltre_il_limite:
      registra_errore(s, err_classe_curva, s.offset_record);
      return esito_lettura::interrotta;
  }
  return esito_lettura::interrotta;
}

esito_lettura record_montagna(stato_linea& s) {
  std::int32_t a = leggi_numero(s.in);
  std::int32_t b = leggi_numero(s.in);
  std::int32_t v = leggi_numero(s.in);
  esito_lettura esito = controlla_progressiva(s, a);
  if (esito != esito_lettura::continua) return esito;
  Form1& f = s.f;
  celle_montagna celle = celle_di_montagna(a, b);
  if (celle.primo <= celle.ultimo && (fuori_percorso(f, celle.primo) || fuori_percorso(f, celle.ultimo))) {
    registra_errore(s, err_oltre_percorso, s.offset_record, a);
    return esito_lettura::errore_15;
  }
  if (f.numero_montagne >= massimo_montagne) {
    registra_errore(s, err_troppe_montagne, s.offset_record, a);
    return esito_lettura::interrotta;
  }
  memo_montagna(f, a, b, v);
  return esito_lettura::continua;
}

esito_lettura record_indicatori_v_max(stato_linea& s) {
  std::int32_t v[9];
  for (std::int32_t& numero : v) numero = leggi_numero(s.in);
  const std::int32_t p = v[0];
  esito_lettura esito = controlla_progressiva(s, p);
  if (esito != esito_lettura::continua) return esito;
  Form1& f = s.f;
  if (fuori_percorso(f, cella_di_oggetto(p))) {
    registra_errore(s, err_oltre_percorso, s.offset_record, p);
    return esito_lettura::errore_15;
  }
  bool libera = cella_libera(f.cella_n(static_cast<std::int32_t>(cella_di_oggetto(p))));
  // A packed pair out of range is an error 25 of this record.
  s.offset_fallimento = s.offset_record;
  memo_indicatori_v_max(f, p, v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
  s.offset_fallimento = std::string::npos;
  if (!libera) {  // memo_indicatori_v_max has set error 21
    registra_errore(s, f.numero_errore, s.offset_record, p);
    return esito_lettura::interrotta;
  }
  return esito_lettura::continua;
}

esito_lettura record_cartello(stato_linea& s) {
  Form1& f = s.f;
  std::int32_t p = leggi_numero(s.in);
  f.voce_letta = leggi_voce(s.in);
  esito_lettura esito = controlla_progressiva(s, p);
  if (esito != esito_lettura::continua) return esito;
  std::int64_t i = cella_di_oggetto(p);
  if (fuori_percorso(f, i)) {
    registra_errore(s, err_oltre_percorso, s.offset_record, p);
    return esito_lettura::errore_15;
  }
  cella& c = f.cella_n(static_cast<std::int32_t>(i));
  if (!cella_libera(c)) {
    registra_errore(s, err_cartello_occupato, s.offset_record, p);
    return esito_lettura::interrotta;
  }
  // Sign texts fill stazioni from 80 downwards; entry 0 is never used.
  if (s.slot_cartello < 1) {
    registra_errore(s, err_troppi_cartelli, s.offset_record, p);
    return esito_lettura::interrotta;
  }
  c.tipo = cella_cartello_indicatore;
  c.valore_1 = static_cast<std::int16_t>(s.slot_cartello);
  f.stazioni[static_cast<std::size_t>(s.slot_cartello)].nome = f.voce_letta;
  --s.slot_cartello;
  return esito_lettura::continua;
}
