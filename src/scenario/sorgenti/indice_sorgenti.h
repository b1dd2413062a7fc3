#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "compiler/grammatica.h"

// The records of an author's two source files, read with the compiler's own
// item reader and record grammar, each with the numbers as the compiler reads
// them and its line in the file. The compact files keep only cells; this
// index gives back what the author wrote: the progressive of each object and
// the profiles as written. Records that place nothing in the cells (the
// train's values, the clock, the sand) are read over to keep the walk in step.

struct record_sorgente {
  genere_record genere;
  bool nel_treno = false;
  std::size_t riga = 0;              // 1-based line of the keyword
  std::vector<std::int32_t> numeri;  // the record's number items, in file order
  std::string testo;                 // a sign's text or a station's name (Windows-1252)
};

struct sorgente_letta {
  std::string nome;  // file name, no folder
  bool presente = false;
  // Where the walk stopped before the end of the file (a read the compiler
  // would refuse), 0 when it read to the end.
  std::size_t riga_interrotta = 0;
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
