#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "compiler/grammatica.h"
#include "scenario/sorgenti/struttura_sorgente.h"

// The keywords that fit where the cursor stands: at the first item of a line
// (no comma before the cursor on it), the records of the part of the file
// the cursor is in: "[generale]" before that header, the general section's
// keys or the line's records in the line file, the train's records in the
// train file.
struct proposta {
  std::string etichetta;  // the keyword
  std::string frammento;  // the snippet: the keyword and its fields as ${n:name}
  // For an editor without snippets: the text inserted (the keyword and a
  // comma), and a label that names the fields the author writes after it.
  std::string semplice, etichetta_campi;
  const forma_record* forma = nullptr;
};

struct completamento {
  std::size_t inizio = 0;  // where the words the proposals replace begin (the line's first non-blank)
  std::vector<proposta> proposte;
};

completamento completa(const std::string& byte, const struttura_sorgente& s, bool treno, std::size_t offset);

// "segnale,  ${1:progressiva},  ${2:tipo_segnale}, ...": the keyword as the
// record's example line writes it, then its fields.
std::string frammento_record(const forma_record& f);
// "segnale, progressiva, tipo_segnale, ...": the same, the fields plain.
std::string etichetta_record(const forma_record& f);
