#include "scenario/disegno_svg.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "model/form1.h"
#include "scenario/da_1252.h"

namespace {
constexpr double larghezza = 1400, margine_sx = 80, margine_dx = 40;
constexpr double mappa_alto = 60, mappa_altezza = 380;
constexpr double profilo_alto = 520, profilo_altezza = 220;   // gradient
constexpr double velocita_alto = 800, velocita_altezza = 200; // speed limit
constexpr double oggetti_alto = 1040;                         // signals, codes
constexpr double altezza = 1180;

std::string numero(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", v);
  return buf;
}

struct asse {
  double lunghezza_m;
  double x(double metro) const {
    return margine_sx + (larghezza - margine_sx - margine_dx) * std::clamp(metro / lunghezza_m, 0.0, 1.0);
  }
};

void mappa(std::string& svg, const scenario_compatto& s, std::int32_t lunghezza) {
  svg += "<text x=\"" + numero(margine_sx) + "\" y=\"40\" font-size=\"18\" font-weight=\"bold\">Planimetria della linea</text>\n";
  if (!s.piano || s.piano->ultimo_metro() < 1) {
    svg += "<text x=\"" + numero(margine_sx) + "\" y=\"120\" font-size=\"14\">(nessun file della planimetria)</text>\n";
    return;
  }
  const tabella_piano& p = *s.piano;
  const std::int32_t ultimo = std::min(p.ultimo_metro(), lunghezza);
  double x0 = std::numeric_limits<double>::max(), x1 = -x0, y0 = x0, y1 = -x0;
  for (std::int32_t m = 0; m <= ultimo; m += 100) {
    x0 = std::min(x0, p(m, 0).numero()); x1 = std::max(x1, p(m, 0).numero());
    y0 = std::min(y0, p(m, 1).numero()); y1 = std::max(y1, p(m, 1).numero());
  }
  const double w = larghezza - margine_sx - margine_dx;
  const double scala = std::min(w / std::max(x1 - x0, 1.0), mappa_altezza / std::max(y1 - y0, 1.0));
  // North up: the second coordinate grows upward on the page.
  auto px = [&](std::int32_t m) { return margine_sx + (p(m, 0).numero() - x0) * scala; };
  auto py = [&](std::int32_t m) { return mappa_alto + mappa_altezza - (p(m, 1).numero() - y0) * scala; };
  svg += "<polyline id=\"mappa\" fill=\"none\" stroke=\"#333\" stroke-width=\"2\" points=\"";
  for (std::int32_t m = 0; m <= ultimo; m += 100) svg += numero(px(m)) + "," + numero(py(m)) + " ";
  svg += "\"/>\n";
  for (int k = 1; k < voce_progressiva_tre; ++k) {
    const stazione& st = s.stazioni[static_cast<std::size_t>(k)];
    if (st.fine == 0 && st.progressiva == 0 && k > 1) continue;
    if (st.progressiva < 0 || st.progressiva > ultimo || st.tipo == 26 || st.tipo == 28) continue;
    const std::string x = numero(px(st.progressiva)), y = numero(py(st.progressiva));
    svg += "<circle class=\"stazione\" cx=\"" + x + "\" cy=\"" + y + "\" r=\"4\" fill=\"#c00\"/>\n";
    svg += "<text x=\"" + x + "\" y=\"" + y + "\" dx=\"6\" dy=\"-4\" font-size=\"10\">" + testo_xml(utf8_da_1252(st.nome)) + "</text>\n";
  }
  // Scale bar of 10 km.
  const double barra = 10000 * scala;
  svg += "<line x1=\"" + numero(margine_sx) + "\" y1=\"" + numero(mappa_alto + mappa_altezza + 20) + "\" x2=\"" +
         numero(margine_sx + barra) + "\" y2=\"" + numero(mappa_alto + mappa_altezza + 20) + "\" stroke=\"#000\" stroke-width=\"3\"/>\n";
  svg += "<text x=\"" + numero(margine_sx) + "\" y=\"" + numero(mappa_alto + mappa_altezza + 36) + "\" font-size=\"11\">10 km</text>\n";
}

// Step line of a value per cell, from cell 0 to the end of the line.
void gradini(std::string& svg, const scenario_compatto& s, const asse& a, std::int32_t celle, const char* id,
             const char* colore, double (*valore)(const cella&), double basso, double alto, double cima, double h) {
  auto y = [&](double v) { return cima + h - (std::clamp(v, basso, alto) - basso) / (alto - basso) * h; };
  svg += std::string("<polyline id=\"") + id + "\" fill=\"none\" stroke=\"" + colore + "\" stroke-width=\"1.5\" points=\"";
  double precedente = valore(s.percorso[0]);
  svg += numero(a.x(0)) + "," + numero(y(precedente)) + " ";
  for (std::int32_t i = 1; i <= celle; ++i) {
    const double v = valore(s.percorso[static_cast<std::size_t>(i)]);
    if (v == precedente) continue;
    svg += numero(a.x(i * 50.0)) + "," + numero(y(precedente)) + " " + numero(a.x(i * 50.0)) + "," + numero(y(v)) + " ";
    precedente = v;
  }
  svg += numero(a.x(celle * 50.0)) + "," + numero(y(precedente)) + "\"/>\n";
}

void asse_verticale(std::string& svg, double cima, double h, double basso, double alto, double passo, const std::string& titolo) {
  svg += "<line x1=\"" + numero(margine_sx) + "\" y1=\"" + numero(cima) + "\" x2=\"" + numero(margine_sx) + "\" y2=\"" + numero(cima + h) + "\" stroke=\"#000\"/>\n";
  for (double v = basso; v <= alto + 1e-9; v += passo) {
    const double y = cima + h - (v - basso) / (alto - basso) * h;
    svg += "<line x1=\"" + numero(margine_sx) + "\" y1=\"" + numero(y) + "\" x2=\"" + numero(larghezza - margine_dx) + "\" y2=\"" + numero(y) + "\" stroke=\"#ddd\"/>\n";
    svg += "<text x=\"" + numero(margine_sx - 6) + "\" y=\"" + numero(y + 4) + "\" font-size=\"10\" text-anchor=\"end\">" + numero(v).substr(0, numero(v).size() - 2) + "</text>\n";
  }
  svg += "<text x=\"20\" y=\"" + numero(cima + h / 2) + "\" font-size=\"12\" transform=\"rotate(-90 20 " + numero(cima + h / 2) + ")\" text-anchor=\"middle\">" + titolo + "</text>\n";
}
}  // namespace

std::string testo_xml(const std::string& testo) {
  std::string out;
  for (char c : testo) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default:
        // Control characters are not allowed in XML text.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
    }
  }
  return out;
}

std::string disegno_svg(const scenario_compatto& s) {
  if (s.percorso.empty()) return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"/>\n";
  const std::int32_t lunghezza = std::max(s.stazioni[voce_treno_linea].fine, 50);
  const auto celle = static_cast<std::int32_t>(std::min<std::size_t>(s.percorso.size() - 1, static_cast<std::size_t>(lunghezza / 50)));
  const asse a{static_cast<double>(lunghezza)};
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                    numero(larghezza) + "\" height=\"" + numero(altezza) + "\" viewBox=\"0 0 " + numero(larghezza) + " " +
                    numero(altezza) + "\" font-family=\"sans-serif\">\n<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
  svg += "<title>" + testo_xml(utf8_da_1252(s.nome_percorso)) + " treno " + testo_xml(utf8_da_1252(s.numero_treno)) + "</title>\n";
  mappa(svg, s, lunghezza);

  svg += "<text x=\"" + numero(margine_sx) + "\" y=\"" + numero(profilo_alto - 16) + "\" font-size=\"18\" font-weight=\"bold\">Profilo della linea</text>\n";
  // Slowdowns: a band from each start to the next end.
  for (std::int32_t i = 0; i <= celle; ++i) {
    if (s.percorso[static_cast<std::size_t>(i)].tipo != cella_inizio_rallentamento) continue;
    std::int32_t j = i + 1;
    while (j < celle && s.percorso[static_cast<std::size_t>(j)].tipo != cella_fine_rallentamento) ++j;
    svg += "<rect class=\"rallentamento\" x=\"" + numero(a.x(i * 50.0)) + "\" y=\"" + numero(profilo_alto) + "\" width=\"" +
           numero(std::max(a.x(j * 50.0) - a.x(i * 50.0), 2.0)) + "\" height=\"" + numero(oggetti_alto + 60 - profilo_alto) +
           "\" fill=\"#fc6\" opacity=\"0.5\"><title>rallentamento a " + std::to_string(s.percorso[static_cast<std::size_t>(i)].valore_1) + " km/h</title></rect>\n";
  }
  asse_verticale(svg, profilo_alto, profilo_altezza, -30, 30, 10, "pendenza (\xE2\x80\xB0)");
  gradini(svg, s, a, celle, "pendenza", "#06c", [](const cella& c) { return c.pendenza - 100.0; }, -30, 30, profilo_alto, profilo_altezza);
  asse_verticale(svg, velocita_alto, velocita_altezza, 0, 250, 50, "velocit\xC3\xA0 (km/h)");
  gradini(svg, s, a, celle, "velocita", "#090", [](const cella& c) { return c.velocita * 5.0; }, 0, 250, velocita_alto, velocita_altezza);

  // Stations across both profiles, signals and code points on their own rows.
  for (int k = 1; k < voce_progressiva_tre; ++k) {
    const stazione& st = s.stazioni[static_cast<std::size_t>(k)];
    if (st.fine == 0 && st.progressiva == 0 && k > 1) continue;
    const std::string x = numero(a.x(st.progressiva));
    svg += "<line class=\"stazione\" x1=\"" + x + "\" y1=\"" + numero(profilo_alto) + "\" x2=\"" + x + "\" y2=\"" + numero(oggetti_alto + 40) + "\" stroke=\"#c00\" stroke-dasharray=\"3,3\"/>\n";
    svg += "<text x=\"" + x + "\" y=\"" + numero(velocita_alto - 8) + "\" font-size=\"9\" transform=\"rotate(-60 " + x + " " + numero(velocita_alto - 8) + ")\">" + testo_xml(utf8_da_1252(st.nome)) + "</text>\n";
  }
  svg += "<text x=\"" + numero(margine_sx - 6) + "\" y=\"" + numero(oggetti_alto + 4) + "\" font-size=\"10\" text-anchor=\"end\">segnali</text>\n";
  svg += "<text x=\"" + numero(margine_sx - 6) + "\" y=\"" + numero(oggetti_alto + 34) + "\" font-size=\"10\" text-anchor=\"end\">codici</text>\n";
  for (std::int32_t i = 0; i <= celle; ++i) {
    const cella& c = s.percorso[static_cast<std::size_t>(i)];
    const std::string x = numero(a.x(i * 50.0));
    if (c.tipo == cella_segnale)
      svg += "<path class=\"segnale\" d=\"M" + x + "," + numero(oggetti_alto - 6) + " l-4,10 h8 z\" fill=\"#000\"/>\n";
    else if (c.tipo == cella_codice || c.tipo == cella_codice_senza_valore)
      svg += "<circle class=\"codice\" cx=\"" + x + "\" cy=\"" + numero(oggetti_alto + 30) + "\" r=\"2\" fill=\"#909\"/>\n";
  }
  // The km axis.
  const double y = oggetti_alto + 60;
  svg += "<line x1=\"" + numero(a.x(0)) + "\" y1=\"" + numero(y) + "\" x2=\"" + numero(a.x(lunghezza)) + "\" y2=\"" + numero(y) + "\" stroke=\"#000\"/>\n";
  const std::int32_t passo = lunghezza > 100000 ? 20000 : lunghezza > 20000 ? 5000 : 1000;
  for (std::int32_t m = 0; m <= lunghezza; m += passo) {
    const std::string x = numero(a.x(m));
    svg += "<line x1=\"" + x + "\" y1=\"" + numero(y) + "\" x2=\"" + x + "\" y2=\"" + numero(y + 6) + "\" stroke=\"#000\"/>\n";
    svg += "<text x=\"" + x + "\" y=\"" + numero(y + 20) + "\" font-size=\"10\" text-anchor=\"middle\">" + std::to_string(m / 1000) + "</text>\n";
  }
  svg += "<text x=\"" + numero(larghezza / 2) + "\" y=\"" + numero(y + 44) + "\" font-size=\"12\" text-anchor=\"middle\">progressiva (km)</text>\n";
  svg += "</svg>\n";
  return svg;
}
