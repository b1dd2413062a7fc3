#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "model/campi_cella.h"

// How a value the author reads comes out of a cell: a field as it is, one of
// the two speeds packed in a board's word (the speed pair of a rank), or the
// tens or the units of a field (a board's two codes).
enum class lettura_valore { campo, prima_velocita, seconda_velocita, decine, unita };

// One value of a kind of cell, named as the record that made it names it.
struct valore_di_cella {
  std::string_view nome;         // the key the author reads: "velocita", "prima_velocita_1"
  std::string_view unita;        // "km/h", or "" when the value has none
  std::string_view campo;        // the cell's field it comes from: "valore_1" to "valore_5"
  lettura_valore lettura;        // how it is read from that field
  std::string_view significato;  // what it is and which record fields made it (UTF-8)
};

// The values of a kind of cell, in the order they are shown; empty for a kind
// that holds none (a free cell, a code point without a code).
std::span<const valore_di_cella> valori_di_cella(std::uint8_t tipo);

// The value v of the cell c.
std::int64_t leggi_valore(const cella& c, const valore_di_cella& v);

// The record keyword whose fields the names of a kind of cell come from
// ("segnale", "rallentamento"...), "" for a kind no record names.
std::string_view record_di_cella(std::uint8_t tipo);
