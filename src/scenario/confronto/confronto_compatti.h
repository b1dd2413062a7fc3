#pragma once
#include <string>
#include <vector>

#include "scenario/confronto/confronto_scenari.h"
#include "scenario/confronto/lato_confronto.h"

// One compact file of A beside the same file of B.
struct file_confrontato {
  std::string ruolo;           // "scenario", "tracciato", "piano"
  std::string nome_a, nome_b;  // the file's name on each side
  bool in_a = false, in_b = false;
  bool identico = false;  // both there, byte for byte the same
};

// The compact files of two sides: each byte-identical or not, and the
// identification codes (the marks and codes under marchi_e_codici in the
// report, the route's name left out) whose values differ.
struct confronto_compatti {
  std::vector<file_confrontato> file;
  std::vector<std::string> codici_cambiati;
  bool identici() const;
};

// The codes are read from the general changes of modifiche (confronta_scenari).
confronto_compatti confronta_compatti(const lato_confronto& a, const lato_confronto& b,
                                      const std::vector<modifica>& modifiche);
