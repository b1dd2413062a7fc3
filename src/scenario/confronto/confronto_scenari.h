#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "scenario/confronto/oggetti_confronto.h"
#include "scenario/testo/nodo_rapporto.h"

// Where a change stands in one of the two scenarios.
struct luogo_modifica {
  std::int64_t metri = 0;  // the progressive
  std::string punto;       // its kilometre post, "55+700"
  riga_di_sorgente sorgente;
};

// One change between scenario A and scenario B, in railway terms.
struct modifica {
  // "aggiunto", "rimosso", "spostato", "valori", "spostati_insieme", "stazione", "orario", "profilo"
  // (a curve too), "planimetria" (the drawn line), "generale"; "senza_effetto" for an edit of the sources the compiled
  // scenario does not show
  std::string genere;
  std::string oggetto;      // "segnale", "rallentamento", "stazione", "pendenza"...
  std::string descrizione;  // one sentence (UTF-8)
  std::optional<luogo_modifica> a, b;
};

// What changed from a to b: stations first, then objects, profiles, the
// curves and the drawn line, and the general values, each along the line. Objects are matched by their record
// and the nearest place within 500 m (ties to the one with the same values),
// so a move is one change; an object and what the compiler derives from it
// change together; a run of objects side by side all moved by the same
// distance is one change, and so is a time shift along the train.
std::vector<modifica> confronta_scenari(const scenario_confronto& a, const scenario_confronto& b,
                                        const scenario_compatto& sa, const scenario_compatto& sb);

// Whether a change is one of the compiled scenario; an edit of the sources
// that compiles to the same ("senza_effetto") is not.
inline bool cambia_lo_scenario(const modifica& m) { return m.genere != "senza_effetto"; }

// The changes as a report tree: a list of {genere, oggetto, descrizione, a, b}.
nodo nodo_modifiche(const std::vector<modifica>& m);

// The place of metri in c, with the line that wrote what stands there.
luogo_modifica luogo_in(const scenario_confronto& c, std::int64_t metri, const riga_di_sorgente& sorgente = {});
// "55+700 (3100 m)".
std::string testo_luogo(const luogo_modifica& l);
// "+50 m" or "-1200 m".
std::string metri_con_segno(std::int64_t m);
