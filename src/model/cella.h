#pragma once
#include <cstdint>

// One 50 m cell of the track. Fields 8 to 11 describe the stretch the cell
// lies on; fields 1 to 7 at most one point object (valore_6 also marks cells
// near another cell's object).
struct cella {
  std::uint8_t tipo = 0;
  std::int16_t valore_1 = 0;
  std::int16_t valore_2 = 0;
  std::int16_t valore_3 = 0;
  std::int16_t valore_4 = 0;
  std::uint8_t valore_5 = 0;
  std::uint8_t valore_6 = 0;
  std::uint8_t montagna = 0;
  std::uint8_t velocita = 0;
  std::uint8_t pendenza = 0;
  std::uint8_t aderenza = 0;
};

// Kinds of point object held in cella::tipo.
enum tipo_cella : std::uint8_t {
  cella_vuota = 0,
  cella_segnale = 1,
  cella_fine_rallentamento = 2,
  cella_inizio_rallentamento = 3,
  cella_avviso_rallentamento = 4,
  cella_tavola_distanziometrica = 5,
  cella_indicatore_vmax = 6,
  cella_fine_stazione = 10,
  cella_segno_montagna = 11,
  cella_codice = 12,
  cella_codice_senza_valore = 13,
  cella_cartello_indicatore = 14,
};

// A point object may only be placed on a free cell; a mountain marker is
// replaced by it.
inline bool cella_libera(const cella& c) { return c.tipo == cella_vuota || c.tipo == cella_segno_montagna; }
