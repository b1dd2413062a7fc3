#pragma once
#include <string_view>

// The files of src/scenario/pagina, built into the tool as text (see
// cmake/incorpora_testi.cmake): the page template, its style and the modules
// of its script, which the template joins in its own order.
extern const std::string_view testo_pagina_html;
extern const std::string_view testo_view_css;
extern const std::string_view testo_palette_js;
extern const std::string_view testo_testi_js;
extern const std::string_view testo_dati_js;
extern const std::string_view testo_stato_js;
extern const std::string_view testo_mappa_js;
extern const std::string_view testo_profili_js;
extern const std::string_view testo_glifi_js;
extern const std::string_view testo_dettagli_js;
extern const std::string_view testo_interazione_js;
extern const std::string_view testo_ricerca_js;
extern const std::string_view testo_avvio_js;
