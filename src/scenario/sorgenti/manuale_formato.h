#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "compiler/grammatica.h"

// The manual of the source format, made from the record grammar: the two
// files, every section and record with its keyword test, its fields (name,
// unit, meaning, accepted values, what the compiler does), an example line of
// the embedded sources and the errors and warnings it can raise. Markdown in
// Italian, UTF-8. docs/formato_sorgenti.md is this text, kept equal by a test.
std::string manuale_formato();

// One record's page of the manual.
std::string pagina_record(const forma_record& r);

// The record an author names: its keyword as the embedded sources write it
// ("segnale", "lunghezza percorso") or its kind ("progressiva_chilometrica_uno");
// nullptr when none.
const forma_record* record_per_nome(std::string_view nome);

// A chapter of the manual that is no record's page, and the word that finds it.
struct capitolo_manuale {
  std::string_view nome;    // "orari"
  std::string_view titolo;  // its heading
  std::string_view parole;  // further words that lead to it, blank-separated
  std::string testo;        // Markdown, the heading included
};

// In the manual's order: how the compiler reads, what a scenario needs, the
// times of the stations (before the records), then the warnings (after them).
std::vector<capitolo_manuale> capitoli_manuale();
