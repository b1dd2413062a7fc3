#include "scenario/svg/tela_svg.h"

#include <algorithm>
#include <cstdio>

#include "model/chilometri.h"
#include "model/form1.h"

using namespace pagina;

double tela::x(double metro) const { return sx + (destra - sx) * (metro - da) / (a - da); }

void tela::testo(double px, double py, const std::string& t, double corpo, const char* ancora,
                 const std::string& extra) {
  svg += "<text x=\"" + n1(px) + "\" y=\"" + n1(py) + "\" font-size=\"" + n1(corpo) + "\"" +
         (std::string(ancora) == "start" ? "" : " text-anchor=\"" + std::string(ancora) + "\"") + extra + ">" +
         testo_xml(t) + "</text>\n";
  occupato.prendi(riquadro_testo(px, py, corpo, ancora, t));
  testi.prendi(riquadro_testo(px, py, corpo, ancora, t));
}

void tela::linea(double x1, double y1, double x2, double y2, const std::string& stile) {
  svg +=
      "<line x1=\"" + n1(x1) + "\" y1=\"" + n1(y1) + "\" x2=\"" + n1(x2) + "\" y2=\"" + n1(y2) + "\" " + stile + "/>\n";
}

bool tela::guida_libera(double x1, double y1, double x2, double y2) const {
  for (int k = 1; k <= 20; ++k) {
    const double t = k / 20.0, px = x1 + (x2 - x1) * t, py = y1 + (y2 - y1) * t;
    if (!testi.libero({px - 0.5, py - 0.5, px + 0.5, py + 0.5})) return false;
  }
  return true;
}

std::string n1(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", v);
  return buf;
}

std::string km(std::int64_t metri) {
  std::string s = std::to_string(metri / 1000);
  std::int64_t resto = metri % 1000;
  if (resto == 0) return s;
  std::string dec = std::to_string(1000 + resto).substr(1);
  while (!dec.empty() && dec.back() == '0') dec.pop_back();
  return s + "," + dec;
}

std::vector<int> stazioni_per_importanza(const scenario_compatto& s) {
  std::vector<int> k;
  for (int i = 1; i < voce_progressiva_tre; ++i) {
    const stazione& st = s.stazioni[static_cast<std::size_t>(i)];
    if (st.tipo == 0 && st.inizio == 0 && st.fine == 0 && st.progressiva == 0) continue;
    k.push_back(i);
  }
  std::stable_sort(k.begin(), k.end(), [&](int a, int b) {
    const stazione &x = s.stazioni[static_cast<std::size_t>(a)], &y = s.stazioni[static_cast<std::size_t>(b)];
    if ((x.orario != 0) != (y.orario != 0)) return x.orario != 0;
    return x.tipo < y.tipo;
  });
  return k;
}

std::string testo_xml(const std::string& testo) {
  std::string out;
  for (char c : testo) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        // Control characters are not allowed in XML text.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
    }
  }
  return out;
}

std::string pk(const scenario_compatto& s, std::int64_t metri) {
  return testo_punto(punto_di(serie_chilometriche(s.stazioni), metri).metri);
}
