#pragma once
#include <span>
#include <string_view>

// The files of src/scenario/pagina, built into the tool as text (see
// cmake/incorpora_testi.cmake): the page template, and the files it names as
// /*@FILE*/ (its style and the modules of its script) in the order it joins
// them. The template's markers are the one list of the modules.
struct testo_incorporato {
  std::string_view file;  // "mappa.js"
  std::string_view testo;
};
extern const std::string_view testo_pagina_html;
extern const std::span<const testo_incorporato> testi_del_modello;
