#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "scenario/sorgenti/struttura_sorgente.h"

// Between the two source files of a route: the line records in force at a
// train record's place (go to definition), and where the files of the route
// name a station (references).

// The progressive a train record stands at: its first field, when that is a
// progressive; -1 when the record has none.
std::int64_t progressiva_del_record(const record_struttura& r);

// The line records in force at progressive p, in file order: the last
// gradient, speed board and sign at or before p, every curve and mountain
// stretch that holds p.
std::vector<const record_struttura*> record_in_vigore(const struttura_sorgente& linea, std::int64_t p);

// A station record's name (Windows-1252), "" when the record has none.
std::string nome_stazione(const record_struttura& r);

// Whether a written text names the station: the same letters, blanks around
// them and letter case aside.
bool nomina(std::string_view testo, std::string_view nome);

// The bytes (from, to) of the fields of a documents table that name the
// station, a field between bars |...| read by what stands inside them.
std::vector<std::pair<std::size_t, std::size_t>> nomi_in_tabella(const std::string& byte, std::string_view nome);
