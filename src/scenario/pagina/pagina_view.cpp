#include "scenario/pagina/pagina_view.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "scenario/pagina/testi_view.h"
#include "scenario/svg/disegno_svg.h"

namespace {
struct pezzo {
  std::string segnaposto;
  std::string_view testo;
  std::size_t posizione = 0;
};

// The template with each marker (found once in the template itself, never in
// what replaces another) replaced by its text.
std::string componi(std::string_view modello, std::vector<pezzo> pezzi) {
  for (pezzo& p : pezzi) {
    p.posizione = modello.find(p.segnaposto);
    if (p.posizione == std::string_view::npos || modello.find(p.segnaposto, p.posizione + 1) != std::string_view::npos)
      throw std::logic_error("the page template must hold " + p.segnaposto + " once");
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
  std::ostringstream uscita_json;
  scrivi_json(uscita_json, dati);
  // Inside a script element no "</script" or "<!--" may appear: every '<'
  // of the JSON (only ever inside a string) becomes its escape.
  std::string dati_json;
  for (char c : uscita_json.str()) {
    if (c == '<')
      dati_json += "\\u003c";
    else
      dati_json += c;
  }
  // HTML text escapes as XML text does (&apos; is HTML5).
  const std::string titolo_html = testo_xml(titolo);
  std::vector<pezzo> pezzi = {{"/*@dati*/", dati_json}, {"<!--@titolo-->", titolo_html}};
  for (const testo_incorporato& t : testi_del_modello) pezzi.push_back({"/*@" + std::string(t.file) + "*/", t.testo});
  return componi(testo_pagina_html, std::move(pezzi));
}
