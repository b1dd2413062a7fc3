#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "compiler/grammatica.h"
#include "scenario/sorgenti/struttura_sorgente.h"

// The records of an author's two source files, taken from each file's one
// walk (struttura_sorgente), each with the numbers as the compiler reads them
// and its line in the file. The compact files keep only cells; this index
// gives back what the author wrote: the progressive of each object and the
// profiles as written. The general section's keys, records the file ends
// inside and records that place nothing in the cells (the train's values,
// the clock, the sand) are left out.

struct record_sorgente {
  genere_record genere;
  bool nel_treno = false;
  std::size_t riga = 0;              // 1-based line of the keyword
  std::size_t inizio = 0;            // byte offset of the keyword
  std::vector<std::int32_t> numeri;  // the record's number items, in file order
  std::string testo;                 // a sign's text or a station's name (Windows-1252)
};

struct sorgente_letta {
  std::string nome;  // file name, no folder
  bool presente = false;
  // Where the walk stopped before the end of the file (a read the compiler
  // would refuse), 0 when it read to the end.
  std::size_t riga_interrotta = 0;
  struttura_sorgente struttura;  // the file's walk and its lines (empty when the file is not there)
};

struct indice_sorgenti {
  sorgente_letta linea, treno;
  std::vector<record_sorgente> record;  // line file records first, each file in file order
  bool vuoto() const { return !linea.presente && !treno.presente; }
};

indice_sorgenti indicizza_sorgenti(const std::filesystem::path& cartella, const std::string& percorso,
                                   const std::string& treno);

// The same from the texts themselves (for tests); an empty optional file is
// given as presente = false.
indice_sorgenti indicizza_testi(const std::string* linea, const std::string* treno);
