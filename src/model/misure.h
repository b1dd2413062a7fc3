#pragma once
#include <cstdint>

// The measures of the model, each in one place.

// A cell of percorso covers this many metres of line.
inline constexpr std::int32_t metri_cella = 50;
// The same as a real, for the conversions that round with nearest.
inline constexpr double metri_cella_reale = 50.0;
// The cell array and the plan run this far past the end of the line.
inline constexpr std::int32_t prolungamento_linea = 7000;
// A cell stores its gradient (per mille) plus this offset, in one byte.
inline constexpr std::int32_t scarto_pendenza = 100;
// A cell stores its speed limit in steps of this many km/h, in one byte; a
// board packs each speed of a pair in the same steps.
inline constexpr std::int32_t passo_velocita = 5;
inline constexpr double passo_velocita_reale = 5.0;
// The compiler adds this to the written reference of a chainage series whose
// flag is 1.
inline constexpr std::int32_t aggiunta_serie_con_flag = 100;
// Sign texts fill stazioni from this entry downwards; stations from entry 1 up.
inline constexpr std::int32_t primo_slot_cartello = 80;
// Station kinds from this one up get no end-marker cell and no approach marks.
inline constexpr std::uint8_t primo_tipo_senza_area = 25;
