#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/cartella.h"
#include "base/nomi_scenario.h"
#include "model/form1.h"
#include "scenario/sorgenti/diagnostica.h"

// What the search of `scenario check` found in the two source files of nomi
// (route key, train number) in cartella: the warnings and every error of both
// files, each at its place in the author's file; note says why the search
// stopped before the sources were clean, "" when it did not.
struct esito_controllo {
  std::vector<diagnostica> voci;  // warnings, slips and errors in file order (see in_ordine_di_file)
  std::size_t avvisi = 0, errori = 0;
  std::vector<std::string> note;
};

// Compiles a private copy in memory, reports the recorded error, sets the
// offending record aside in the copy and compiles again, until the copy is
// clean or 100 errors are found. Both files must be there (see
// sorgente_mancante); writes nothing into cartella. Throws interruzione when
// a file cannot be read.
esito_controllo controlla_sorgenti(const cartella_file& cartella, const nomi_scenario& nomi);

// The first error one compile of the two sources in cartella meets (in
// memory, without the plan), nullopt when they compile clean or a file is
// missing: the compact files made from such sources are incomplete.
std::optional<diagnostica> primo_errore_sorgenti(const cartella_file& cartella, const nomi_scenario& nomi);
