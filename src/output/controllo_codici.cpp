#include "output/controllo_codici.h"

#include <algorithm>
#include <cstdint>

#include "base/catalogo_errori.h"
#include "model/form1.h"
#include "model/misure.h"

namespace {
constexpr std::int16_t codice_ridotto = 180;
constexpr int indietro_da_avviso = 20;
constexpr std::int16_t soglia_lento = 110;
constexpr int passo_codici = 8;
constexpr int avanti_da_fine = 12;

bool esiste(const Form1& f, std::int32_t c) { return c >= 0 && c <= f.numero_celle; }
bool libera(const Form1& f, std::int32_t c) { return esiste(f, c) && cella_libera(f.cella_n(c)); }
bool con_codice(const Form1& f, std::int32_t c) { return esiste(f, c) && f.cella_n(c).tipo == cella_codice; }

void metti_codice(Form1& f, std::int32_t c) {
  cella& x = f.cella_n(c);
  x.tipo = cella_codice;
  x.valore_1 = codice_ridotto;
}

void abbassa_codice(Form1& f, std::int32_t c) {
  cella& x = f.cella_n(c);
  x.valore_1 = static_cast<std::int16_t>(minimo(codice_ridotto, x.valore_1));
}

// The last error wins; it comes from the check, not from a source file.
void registra(Form1& f, std::int32_t numero, std::int32_t c) {
  f.numero_errore = numero;
  f.progressiva_errore = c * metri_cella;
  f.origine = {};
}

// A: every signal within the 20 cells before the warning at i.
void davanti_ai_segnali(Form1& f, std::int32_t i) {
  for (int k = 1; k <= indietro_da_avviso; ++k) {
    const std::int32_t m = i - k;
    if (m < 3) return;
    if (f.cella_n(m).tipo != cella_segnale) continue;
    if (libera(f, m - 1))
      metti_codice(f, m - 1);
    else if (libera(f, m - 2))
      metti_codice(f, m - 2);
    else if (con_codice(f, m - 1))
      abbassa_codice(f, m - 1);
    else if (con_codice(f, m - 2))
      abbassa_codice(f, m - 2);
    else
      registra(f, err_codice_davanti_segnale, m);
  }
}

// B1 to B3: the first free cell of a window before the start at i. A cell
// that already holds a code point is not free.
void nella_finestra(Form1& f, std::int32_t i, std::int32_t vicino, std::int32_t lontano) {
  if (i <= lontano) return;
  for (std::int32_t d = vicino; d <= lontano; ++d) {
    if (libera(f, i - d)) {
      metti_codice(f, i - d);
      return;
    }
  }
  registra(f, err_codice_prima_rallentamento, i);
}

// B4: a code point every 8 cells from the start at i, counted from the last
// one placed. Returns the end cell, or -1 when the walk reached the last cell
// without meeting one.
std::int32_t dentro_il_rallentamento(Form1& f, std::int32_t i) {
  std::int32_t k = i;
  int n = 0;
  for (;;) {
    if (k >= f.numero_celle) {
      registra(f, err_codice_dopo_rallentamento, f.numero_celle);
      return -1;
    }
    ++k;
    ++n;
    if (n == passo_codici) {
      if (libera(f, k)) {
        metti_codice(f, k);
        n = 0;
      } else if (libera(f, k - 1)) {
        metti_codice(f, k - 1);
        n = 1;
      } else if (libera(f, k + 1)) {
        metti_codice(f, k + 1);
        n = -1;
      } else {
        registra(f, err_codice_dopo_rallentamento, k);  // n stays 8: no further code point in this slowdown
      }
    }
    if (f.cella_n(k).tipo == cella_fine_rallentamento) return k;
  }
}

// B5: in front of the first signal among the cells e .. e + 12.
void dopo_il_rallentamento(Form1& f, std::int32_t e) {
  const std::int32_t ultima = std::min(e + avanti_da_fine, f.numero_celle);
  for (std::int32_t p = e; p <= ultima; ++p) {
    if (f.cella_n(p).tipo != cella_segnale) continue;
    if (libera(f, p - 1))
      metti_codice(f, p - 1);
    else if (libera(f, p - 2))
      metti_codice(f, p - 2);
    else
      registra(f, err_codice_dopo_rallentamento, e);
    return;
  }
}

void intorno_all_inizio(Form1& f, std::int32_t i) {
  nella_finestra(f, i, 5, 7);
  nella_finestra(f, i, 11, 13);
  nella_finestra(f, i, 18, 20);
  if (f.cella_n(i).valore_1 >= soglia_lento) return;
  const std::int32_t fine = dentro_il_rallentamento(f, i);
  if (fine >= 0) dopo_il_rallentamento(f, fine);
}
}  // namespace

void controllo_codici(Form1& f) {
  if (!f.percorso_esiste()) return;
  const std::int32_t ultima = f.numero_celle - 2;
  for (std::int32_t i = 1; i <= ultima; ++i) {
    const std::uint8_t tipo = f.cella_n(i).tipo;
    if (tipo == cella_avviso_rallentamento)
      davanti_ai_segnali(f, i);
    else if (tipo == cella_inizio_rallentamento)
      intorno_all_inizio(f, i);
  }
}
