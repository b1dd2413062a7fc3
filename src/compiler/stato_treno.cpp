#include "compiler/stato_treno.h"

#include <limits>

#include "base/catalogo_errori.h"
#include "base/stato.h"
#include "compiler/errore_sorgente.h"
#include "model/form1.h"

void registra_errore(stato_treno& s, std::int32_t numero, std::size_t offset) {
  registra_errore_sorgente(s.f, file_sorgente::treno, numero, offset);
}

void registra_errore(stato_treno& s, std::int32_t numero, std::size_t offset, std::int32_t progressiva) {
  registra_errore(s, numero, offset);
  s.f.progressiva_errore = progressiva;
}

void fallisci(stato_treno& s, std::size_t offset) {
  s.offset_fallimento = offset;
  interrompi(stato::lettura());
}

std::int32_t leggi_numero(stato_treno& s) {
  if (fine_file(s.in)) fallisci(s, s.in.dati.size());
  return leggi_numero(s.in);
}

std::string leggi_voce(stato_treno& s) {
  if (fine_file(s.in)) fallisci(s, s.in.dati.size());
  return leggi_voce(s.in);
}

std::uint8_t leggi_8_bit(stato_treno& s) {
  const std::int32_t v = leggi_numero(s);
  if (v < 0 || v > std::numeric_limits<std::uint8_t>::max()) fallisci(s, s.in.inizio_voce);
  return static_cast<std::uint8_t>(v);
}

std::int16_t leggi_16_bit(stato_treno& s) {
  const std::int32_t v = leggi_numero(s);
  if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
    fallisci(s, s.in.inizio_voce);
  return static_cast<std::int16_t>(v);
}

bool nel_percorso(const Form1& f, std::int64_t i) {
  return i >= 0 && i <= f.numero_celle && static_cast<std::size_t>(i) < f.percorso.size();
}

esito_lettura controlla_progressiva(stato_treno& s, std::int32_t p, std::int32_t margine) {
  if (std::int64_t{p} + margine > std::int64_t{50} * s.f.numero_celle) {
    registra_errore(s, err_oltre_percorso, s.offset_record, p);
    return esito_lettura::errore_15;
  }
  return esito_lettura::continua;
}
