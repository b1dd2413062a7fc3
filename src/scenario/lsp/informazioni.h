#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/chilometri.h"
#include "scenario/sorgenti/serie_linea.h"
#include "scenario/sorgenti/struttura_sorgente.h"

// What the editor shows over the cursor (hover), in Markdown, UTF-8: on a
// keyword the record's page of the manual; on a field its name, unit and
// meaning from the grammar and the value as the compiler reads it, and for a
// progressive its cell and kilometre post; on a station's name its time and
// kilometre post.

struct informazione {
  std::string testo;
  std::size_t inizio = 0, fine = 0;  // the bytes it is about
};

std::optional<informazione> informazione_a(const struttura_sorgente& s, std::size_t offset,
                                           const std::vector<serie_chilometrica>& serie);

// "13:57:00", or "" when the station has no time (0 0 0) or too few fields.
std::string orario_stazione(const record_struttura& r);

// "km 55+700" for a progressive; con_nota: said so when no series is in force there.
std::string chilometro(const std::vector<serie_chilometrica>& serie, std::int64_t progressiva, bool con_nota = true);
