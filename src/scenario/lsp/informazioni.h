#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/chilometri.h"
#include "scenario/sorgenti/serie_linea.h"
#include "scenario/sorgenti/struttura_sorgente.h"

// What the editor shows over the cursor (hover), UTF-8, in Markdown or in
// plain text, in lines of at most colonne_informazione characters: on a
// keyword the record's short page (its fields one a line, its errors, where
// the whole page is); on a field its name, unit and meaning from the grammar
// and the value as the compiler reads it, for a progressive its cell and
// kilometre post, then the record in a second section; on a station's name
// its time and kilometre post.

inline constexpr std::size_t colonne_informazione = 80;

struct informazione {
  std::string testo;
  std::size_t inizio = 0, fine = 0;  // the bytes it is about
};

std::optional<informazione> informazione_a(const struttura_sorgente& s, std::size_t offset,
                                           const std::vector<serie_chilometrica>& serie, bool markdown);

// "13:57:00", or "" when the station has no time (0 0 0) or too few fields.
std::string orario_stazione(const record_struttura& r);

// "km 55+700" for a progressive; con_nota: said so when no series is in force there.
std::string chilometro(const std::vector<serie_chilometrica>& serie, std::int64_t progressiva, bool con_nota = true);
