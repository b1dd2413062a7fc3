#include "scenario/pagina/pagina_view.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "scenario/pagina/testi_view.h"
#include "scenario/svg/disegno_svg.h"

namespace {
struct pezzo {
  std::string_view segnaposto;
  std::string_view testo;
  std::size_t posizione = 0;
};

// The template with each marker (found once in the template itself, never in
// what replaces another) replaced by its text.
std::string componi(std::string_view modello, std::vector<pezzo> pezzi) {
  for (pezzo& p : pezzi) {
    p.posizione = modello.find(p.segnaposto);
    if (p.posizione == std::string_view::npos || modello.find(p.segnaposto, p.posizione + 1) != std::string_view::npos)
      throw std::logic_error("the page template must hold " + std::string(p.segnaposto) + " once");
  }
  std::sort(pezzi.begin(), pezzi.end(), [](const pezzo& a, const pezzo& b) { return a.posizione < b.posizione; });
  std::string out;
  std::size_t da = 0;
  for (const pezzo& p : pezzi) {
    out.append(modello.substr(da, p.posizione - da)).append(p.testo);
    da = p.posizione + p.segnaposto.size();
  }
  out.append(modello.substr(da));
  return out;
}
}  // namespace

std::string pagina_view(const std::string& titolo, const nodo& dati) {
  std::ostringstream json;
  scrivi_json(json, dati);
  // Inside a script element no "</script" or "<!--" may appear: every '<'
  // of the JSON (only ever inside a string) becomes its escape.
  std::string dati_json;
  for (char c : json.str()) {
    if (c == '<')
      dati_json += "\\u003c";
    else
      dati_json += c;
  }
  // HTML text escapes as XML text does (&apos; is HTML5).
  const std::string titolo_html = testo_xml(titolo);
  return componi(testo_pagina_html, {{"/*@dati*/", dati_json},
                                     {"/*@view.css*/", testo_view_css},
                                     {"/*@palette.js*/", testo_palette_js},
                                     {"/*@testi.js*/", testo_testi_js},
                                     {"/*@dati.js*/", testo_dati_js},
                                     {"/*@stato.js*/", testo_stato_js},
                                     {"/*@mappa.js*/", testo_mappa_js},
                                     {"/*@profili.js*/", testo_profili_js},
                                     {"/*@glifi.js*/", testo_glifi_js},
                                     {"/*@dettagli.js*/", testo_dettagli_js},
                                     {"/*@interazione.js*/", testo_interazione_js},
                                     {"/*@ricerca.js*/", testo_ricerca_js},
                                     {"/*@avvio.js*/", testo_avvio_js},
                                     {"<!--@titolo-->", titolo_html}});
}
