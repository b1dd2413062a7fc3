#pragma once
#include <string_view>

// The files of src/scenario/pagina, built into the tool as text (see
// cmake/incorpora_testi.cmake): the page template, its style and its script.
extern const std::string_view testo_pagina_html;
extern const std::string_view testo_view_css;
extern const std::string_view testo_view_js;
