#pragma once
#include <nlohmann/json.hpp>
#include <vector>

#include "scenario/sorgenti/diagnostica.h"

// A report as a JSON object: genere ("errore" or "avviso"), file, riga,
// colonna (null without a place), codice (the warning's code, or the error's
// number as text), numero_errore (null for a warning and for a slip, an
// error of check that the compiler does not raise), messaggio, nota (the
// place the error involves, or null), progressiva and punto_chilometrico (or
// null), in this order. stampa_diagnostica_json writes it on one line.
nlohmann::ordered_json json_diagnostica(const diagnostica& d);

// The reports as a JSON array of those objects.
nlohmann::ordered_json json_diagnostiche(const std::vector<diagnostica>& v);
