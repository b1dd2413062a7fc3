#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "compiler/grammatica.h"

// What the embedded scenario writes, counted from its own two source files
// as the compiler's readers see them, so that the manual's figures follow the
// content tables.

struct valore_contato {
  std::string testo;  // as written (Windows-1252); "" for an item left empty
  int righe = 0;
};

// The values the embedded sources write in the field campo (0 the first after
// the keyword) of the records of r: the most frequent first, equals in the
// order of their number, then of their text.
std::vector<valore_contato> valori_incorporati(const forma_record& r, std::size_t campo);

// The keyword items of the records of r as the embedded sources write them
// ("curvad1", "curvas2"...), counted and ordered the same way.
std::vector<valore_contato> chiavi_incorporate(const forma_record& r);

// How many records of r the embedded sources hold.
int record_incorporati(const forma_record& r);

// The stations of the embedded train file that carry a time, as "NAME h.mm"
// ("PIACENZA 13.57"), in file order.
std::vector<std::string> stazioni_con_orario_incorporate();

// A section header of the embedded sources ("[stazioni]") and the records
// that stand under it, in either file (both have a [generale]).
struct sezione_incorporata {
  std::string intestazione;                 // as written: "[vel_limite]"
  std::vector<const forma_record*> record;  // each kind once, in file order
};

// The headers of the line file, then those of the train file not already
// met, in file order.
std::vector<sezione_incorporata> sezioni_incorporate();
