#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "scenario/compatti/scenario_compatto.h"
#include "scenario/svg/etichette_svg.h"

// The page of a drawing: its layout, the SVG being written, and every text
// and mark placed so far, so that labels find free room.
namespace pagina {
inline constexpr double larghezza = 1600, sx = 110, dx = 70;  // page width, left and right margins
inline constexpr double destra = larghezza - dx;
inline constexpr double mappa_alto = 50, mappa_altezza = 480;
inline constexpr double legenda_alto = 545;
inline constexpr double nomi_alto = 605, nomi_righe = 4, nomi_passo = 15;  // station names over the profiles
inline constexpr double pendenza_alto = 697, pendenza_altezza = 150;
inline constexpr double velocita_alto = 885, velocita_altezza = 150;
inline constexpr double rallentamenti_alto = 1068;             // the slowdowns' speeds
inline constexpr double righe_alto = 1082, riga_altezza = 26;  // rows of objects
inline constexpr double asse_alto = righe_alto + 3 * riga_altezza + 34;
inline constexpr double altezza = asse_alto + 70;
inline constexpr double corpo_nomi = 11;

}  // namespace pagina

struct tela {
  const scenario_compatto& s;
  std::int32_t da, a;  // the stretch drawn, metres
  std::string svg;
  spazio_occupato occupato;                  // every text drawn, and the marks labels must not cover
  spazio_occupato testi;                     // the texts alone: leader lines must not cross them
  int omessi_mappa = 0, omessi_profilo = 0;  // station names that found no room

  // The page x of a progressive.
  double x(double metro) const;
  // A text, taken on the page; ancora is the SVG text-anchor, extra more attributes.
  void testo(double px, double py, const std::string& t, double corpo, const char* ancora = "start",
             const std::string& extra = "");
  void linea(double x1, double y1, double x2, double y2, const std::string& stile);
  // A leader line from (x1, y1) to (x2, y2) that crosses no text.
  bool guida_libera(double x1, double y1, double x2, double y2) const;
};

// A number for SVG, one decimal.
std::string n1(double v);

// km with a decimal comma, as few decimals as the value needs: 259100 gives "259,1".
std::string km(std::int64_t metri);

// The kilometre post of a progressive of the scenario, "55+700", as the
// line's signs and the timetable sheet give it.
std::string pk(const scenario_compatto& s, std::int64_t metri);

// Stations (their stazioni entries) in the order their names are placed:
// timed stops first, then by type (lower codes are the larger stations),
// then along the line.
std::vector<int> stazioni_per_importanza(const scenario_compatto& s);

// Text for SVG/XML: & < > " ' escaped; the text must already be UTF-8.
std::string testo_xml(const std::string& testo);
