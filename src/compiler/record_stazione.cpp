#include "compiler/record_stazione.h"

#include <limits>

#include "base/catalogo_errori.h"
#include "compiler/stato_treno.h"
#include "model/campi_cella.h"
#include "model/form1.h"
#include "model/misure.h"

namespace {

bool in_32_bit(std::int64_t v) {
  return v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max();
}

// The station area from its type: 5 and 6 end 150 m after the progressive,
// 7 and 8 extend the length on both sides, every other type is centred and
// the end extension moves its end 50 m further.
struct estensione {
  std::int64_t inizio;
  std::int64_t fine;
  bool azzera_campo_14;
};

estensione estensione_di(std::uint8_t tipo, std::int64_t p, std::int64_t l, std::uint8_t campo_14) {
  if (tipo == 5 || tipo == 6) return {p - l, p + 150, true};
  if (tipo == 7 || tipo == 8) return {p - l, p + l, true};
  return {p - l / 2, p + l / 2 + (campo_14 != 0 ? 50 : 0), false};
}

// Fields 4 to 13 into their places, each stored as soon as it is read.
void leggi_valori(stato_treno& s, stazione& st) {
  st.campo_5 = leggi_8_bit(s);
  st.campo_15 = leggi_8_bit(s);
  st.campo_14 = leggi_8_bit(s);
  st.campo_7 = leggi_16_bit(s);
  st.campo_8 = leggi_16_bit(s);
  st.campo_12 = leggi_8_bit(s);
  st.campo_9 = leggi_16_bit(s);
  st.campo_10 = leggi_16_bit(s);
  st.campo_11 = leggi_16_bit(s);
  st.campo_13 = leggi_8_bit(s);
}

}  // namespace

esito_lettura record_stazione(stato_treno& s) {
  Form1& f = s.f;
  const std::int32_t k = s.stazione;
  // The counter stops below the sign slot, itself at most 81; kept in the
  // table whatever the caller passed.
  if (k < 1 || k >= voce_progressiva_tre) {
    registra_errore(s, err_troppe_stazioni, s.offset_record);
    return esito_lettura::interrotta;
  }
  stazione& st = f.stazioni[static_cast<std::size_t>(k)];

  const std::int32_t p = leggi_numero(s);
  st.progressiva = p;
  esito_lettura esito = controlla_progressiva(s, p, 800);
  if (esito != esito_lettura::continua) return esito;
  if (p % metri_cella != 0) {
    registra_errore(s, err_stazione_non_multipla, s.offset_record, p);
    return esito_lettura::interrotta;
  }
  st.tipo = leggi_8_bit(s);
  const std::int32_t l = leggi_numero(s);
  if (l % 100 != 0) {
    registra_errore(s, err_lunghezza_stazione, s.offset_record, p);
    return esito_lettura::interrotta;
  }
  leggi_valori(s, st);
  const std::int64_t h = leggi_numero(s);
  const std::int64_t m = leggi_numero(s);
  const std::int64_t sec = leggi_numero(s);
  const std::int64_t orario = (h * 60 + m) * 60 + sec;
  if (!in_32_bit(orario)) fallisci(s, s.offset_record);
  st.orario = static_cast<std::int32_t>(orario);
  st.nome = leggi_voce(s);

  // The extent is checked whole before any of its fields changes.
  const estensione e = estensione_di(st.tipo, p, l, st.campo_14);
  if (!in_32_bit(e.inizio) || !in_32_bit(e.fine)) fallisci(s, s.offset_record);
  st.inizio = static_cast<std::int32_t>(e.inizio);
  st.fine = static_cast<std::int32_t>(e.fine);
  if (e.azzera_campo_14) st.campo_14 = 0;
  if (l < 600) st.campo_15 = 0;
  if (k == 1) {
    st.campo_14 = 0;
    st.campo_15 = 0;
  }

  // fine is a multiple of 50: the end-marker cell is exact.
  const bool con_segnale_fine = stazione_con_area(st.tipo);
  const std::int64_t cella_fine = std::int64_t{st.fine} / metri_cella - 1;
  if (con_segnale_fine && cella_fine > f.numero_celle) {
    registra_errore(s, err_oltre_percorso, s.offset_record, p);
    return esito_lettura::errore_15;
  }
  if (con_segnale_fine && st.tipo != 5 && st.tipo != 6) {
    for (std::int64_t j = 1; j <= 4; ++j) {
      const std::int64_t x = cella_fine - j;
      if (x > 1 && nel_percorso(f, x))
        f.cella_n(static_cast<std::int32_t>(x)).valore_6 = static_cast<std::uint8_t>(primo_slot_cartello + j);
    }
  }
  if (con_segnale_fine) {
    if (cella_fine <= 1 || !nel_percorso(f, cella_fine)) {
      registra_errore(s, err_stazione_vicina_inizio, s.offset_record);
      return esito_lettura::interrotta;
    }
    // A station stop takes its cell whatever it held.
    cella& c = f.cella_n(static_cast<std::int32_t>(cella_fine));
    c.tipo = cella_fine_stazione;
    c.valore_1 = static_cast<std::int16_t>(k);
  }

  if (k > 1 && std::int64_t{st.inizio} - 350 < f.stazioni[static_cast<std::size_t>(k - 1)].fine) {
    registra_errore(s, err_stazioni_vicine, s.offset_record, p);
    return esito_lettura::interrotta;
  }
  ++s.stazione;
  if (s.stazione >= s.slot_cartello) {
    registra_errore(s, err_troppe_stazioni, s.offset_record);
    return esito_lettura::interrotta;
  }
  return esito_lettura::continua;
}
