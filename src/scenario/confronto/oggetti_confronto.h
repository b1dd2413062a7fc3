#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/chilometri.h"
#include "scenario/compatti/scenario_compatto.h"
#include "scenario/sorgenti/indice_sorgenti.h"

// A scenario as diff compares it: its point objects, each with what the
// compiler derives from it, and its stations, each where the author's sources
// wrote it when they are at hand. Values are those the report shows, under
// the names of the record's fields.

// The line of the sources that wrote a thing; riga 0 when no source says.
struct riga_di_sorgente {
  std::string file;
  std::size_t riga = 0;
};

struct valore_letto {
  std::string nome;   // "velocita", "prima_velocita_1", "testo"
  std::string testo;  // the value as shown: "60", or a sign's text (UTF-8)
  bool operator==(const valore_letto&) const = default;
};

// A cell the compiler fills because of an object (a slowdown's warning sign,
// end and distance boards, a code point of the code check), placed by its
// distance in cells from the object's own cell.
struct parte_derivata {
  std::uint8_t tipo = 0;
  std::int64_t scarto = 0;
  std::vector<valore_letto> valori;
  bool operator==(const parte_derivata&) const = default;
};

struct oggetto_confronto {
  std::string chiave;      // what objects are matched by: the record that writes it ("segnale", "rallentamento")
  std::uint8_t tipo = 0;   // the kind of its own cell
  std::int64_t cella = 0;  // its own cell: the compiled place
  std::int64_t metri = 0;  // the progressive the author wrote, else the one of its cell
  bool scritto = false;    // metri comes from the sources
  std::vector<valore_letto> valori;
  std::vector<parte_derivata> parti;
  riga_di_sorgente sorgente;
};

struct stazione_confronto {
  int voce = 0;
  std::string nome;  // UTF-8
  std::uint8_t tipo = 0;
  std::int32_t progressiva = 0, inizio = 0, fine = 0, orario = 0;
  riga_di_sorgente sorgente;
};

// A record of a profile (gradient, speed, adhesion, mountain stretch, curve):
// from where it holds, to where when it says (a mountain stretch, a curve),
// and its line.
struct record_profilo {
  genere_record genere;
  std::int64_t da = 0, a = -1;  // a < 0: up to the next record of its kind
  riga_di_sorgente sorgente;
};

struct scenario_confronto {
  std::vector<oggetto_confronto> oggetti;  // by cell
  std::vector<stazione_confronto> stazioni;
  std::vector<serie_chilometrica> serie;
  std::vector<record_profilo> profili;  // in file order; empty without sources
};

// The line of the record of genere that sets the profile at metri; riga 0
// when none does (no sources, or a place no mountain stretch covers).
riga_di_sorgente riga_del_profilo(const scenario_confronto& c, genere_record genere, std::int64_t metri);

// The objects and stations of s; with the sources the cells one record fills
// are one object, without them a slowdown's parts are gathered by where the
// compiler puts them.
scenario_confronto prepara_confronto(const scenario_compatto& s, const indice_sorgenti& ind);
