#include "compiler/memo_segnale.h"

#include "base/catalogo_errori.h"
#include "base/stato.h"
#include "model/form1.h"
#include "model/misure.h"

namespace {
// 32-bit inputs stored into 16-bit fields keep their low 16 bits.
std::int16_t basso_16(std::int64_t v) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(v & 0xFFFF)); }
std::uint8_t basso_8(std::int64_t v) { return static_cast<std::uint8_t>(v & 0xFF); }
}  // namespace

void memo_segnale(Form1& f, std::int32_t f1, std::int32_t f2, std::int32_t f3, std::int32_t f4, std::int32_t f5,
                  std::int32_t f6, std::int32_t f7, std::int32_t f8, std::int32_t f9, std::int32_t f10,
                  std::int32_t f11) {
  const std::int64_t i = cella_di_oggetto(f1);
  if (i < 0 || i > f.numero_celle) interrompi(stato::lettura());
  cella& c = f.cella_n(static_cast<std::int32_t>(i));
  if (!cella_libera(c)) {
    f.numero_errore = err_segnale_occupato;
    return;
  }
  // Kind and field 7 together name the aspect; they go into valore_4 and,
  // as tens, into the approach marks.
  const std::int64_t aspetto = std::int64_t{f2} * 3 + f7;
  c.tipo = cella_segnale;
  c.valore_4 = basso_16(std::int64_t{f6} * 10 + aspetto);
  c.valore_1 = basso_16(std::int64_t{f3} * 10 + f8);
  c.valore_2 = basso_16(std::int64_t{f4} * 10 + f9);
  c.valore_3 = basso_16(std::int64_t{f5} * 10 + f10);
  const std::int32_t valore = (f11 >= 1 && f11 <= 100) ? 101 : f11;
  c.valore_5 = f2 == 2 ? basso_8(valore) : std::uint8_t{0};
  // Marks on every second cell before the signal, whatever those cells hold;
  // marks that would fall before the first cell are left out.
  for (std::int64_t k = 1; k <= 4; ++k) {
    const std::int64_t x = i - 2 * k;
    if (x < 0) break;
    f.cella_n(static_cast<std::int32_t>(x)).valore_6 = basso_8(aspetto * 10 + k);
  }
}
