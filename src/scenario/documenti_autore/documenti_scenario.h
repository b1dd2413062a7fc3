#pragma once
#include <string>
#include <vector>

#include "base/cartella.h"
#include "base/nomi_scenario.h"
#include "model/form1.h"
#include "scenario/sorgenti/controllo_sorgenti.h"

// The three driver's documents of an author's scenario, as bytes
// (Windows-1252, CR LF).
struct documenti_autore {
  std::string scheda, rallentamenti, note;
};

struct esito_documenti {
  esito_controllo controllo;        // the sources' errors and warnings, as check gives them
  std::vector<std::string> errori;  // faults of the table and the notes, "FILE:RIGA: ..." (UTF-8), by file and line
  std::vector<std::string> avvisi;  // a name cut to fit the paper, "FILE:RIGA: avviso: ..." (UTF-8)
  documenti_autore documenti;       // complete only when there is no error of either kind
  bool ok() const { return controllo.errori == 0 && errori.empty(); }
};

// From the two sources of nomi in cartella (both there: see
// sorgente_mancante), read by the compiler's own readers into a model, with
// the author's table and notes when they are there. Writes nothing. Throws
// interruzione when a file cannot be read.
esito_documenti documenti_da_sorgenti(const cartella_file& cartella, const nomi_scenario& nomi);
