#pragma once
#include <cstdint>

#include "model/cella.h"
#include "model/misure.h"

// What the fields of a cell mean, read back the way the compiler wrote them:
// the compiler's placement and the tool's readers both go through these, so a
// value and a place read as the author wrote them.

// The cell a point object written at progressive p stands in (a signal, the
// start or end of a slowdown, a board, an indication sign): nearest(p/50 + 1).
std::int64_t cella_di_oggetto(double p);
// nearest(p/50): the cell of a code point written at p, and the last cell a
// profile value written before p fills (a gradient, a speed, an adhesion).
std::int64_t cella_di_progressiva(double p);
// The first metre of cell i, and the cell that holds metre m (m >= 0; the
// quotient truncated below 0).
inline constexpr std::int64_t metri_di_cella(std::int64_t i) { return i * metri_cella; }
inline constexpr std::int64_t cella_del_metro(std::int64_t m) { return m / metri_cella; }
// The progressive a point object in cell i was written at, to the 50 m step.
inline constexpr std::int64_t progressiva_di_oggetto(std::int64_t i) { return metri_di_cella(i - 1); }

// The gradient of a cell in per mille, negative downhill.
inline std::int32_t pendenza_per_mille(const cella& c) { return std::int32_t{c.pendenza} - scarto_pendenza; }
// The speed limit of a cell in km/h.
inline std::int32_t velocita_km_h(const cella& c) { return std::int32_t{c.velocita} * passo_velocita; }

// One speed pair of a maximum-speed board, in km/h. The compiler packs the
// pair (s, t) as nearest(t/5 + 20*s), that is 100*(s/5) + t/5 for speeds in
// multiples of 5 below 500 km/h: the hundreds give s, the rest t.
struct coppia_vmax {
  std::int32_t prima = 0, seconda = 0;
};
coppia_vmax decodifica_coppia_vmax(std::int16_t parola);
// A board's two codes, packed as 10*c1 + c2 on 16 bits.
inline std::int32_t primo_codice(std::int16_t parola) { return static_cast<std::uint16_t>(parola) / 10; }
inline std::int32_t secondo_codice(std::int16_t parola) { return static_cast<std::uint16_t>(parola) % 10; }

// Sign texts fill stazioni from primo_slot_cartello down: after n of them this
// entry is the next free one, and the stations of the train file stay below it.
inline constexpr std::int32_t slot_cartello_dopo(std::int32_t cartelli) { return primo_slot_cartello - cartelli; }

// A station whose kind is below primo_tipo_senza_area has an end-marker cell
// and approach marks; from it up the place is a stop without them.
inline constexpr bool stazione_con_area(std::uint8_t tipo) { return tipo < primo_tipo_senza_area; }
