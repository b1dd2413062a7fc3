#include "scenario/disegno_svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>
#include <vector>

#include "model/form1.h"
#include "scenario/da_1252.h"
#include "scenario/etichette_svg.h"

namespace {
constexpr double larghezza = 1600, sx = 110, dx = 70;  // page width, left and right margins
constexpr double destra = larghezza - dx;
constexpr double mappa_alto = 50, mappa_altezza = 480;
constexpr double legenda_alto = 545;
constexpr double nomi_alto = 605, nomi_righe = 4, nomi_passo = 15;  // station names over the profiles
constexpr double pendenza_alto = 697, pendenza_altezza = 150;
constexpr double velocita_alto = 885, velocita_altezza = 150;
constexpr double rallentamenti_alto = 1068;                            // the slowdowns' speeds
constexpr double righe_alto = 1082, riga_altezza = 26;               // rows of objects
constexpr double asse_alto = righe_alto + 3 * riga_altezza + 34;
constexpr double altezza = asse_alto + 70;
constexpr double corpo_nomi = 11;

std::string n1(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", v);
  return buf;
}

// km with a decimal comma, as few decimals as the value needs.
std::string km(std::int64_t metri) {
  std::string s = std::to_string(metri / 1000);
  std::int64_t resto = metri % 1000;
  if (resto == 0) return s;
  std::string dec = std::to_string(1000 + resto).substr(1);
  while (!dec.empty() && dec.back() == '0') dec.pop_back();
  return s + "," + dec;
}

struct disegno {
  const scenario_compatto& s;
  std::int32_t da, a;  // metres
  std::string svg;
  spazio_occupato occupato;  // every text drawn, and the marks labels must not cover
  spazio_occupato testi;     // the texts alone: leader lines must not cross them
  int omessi_mappa = 0, omessi_profilo = 0;  // station names that found no room

  double x(double metro) const { return sx + (destra - sx) * (metro - da) / (a - da); }

  void testo(double px, double py, const std::string& t, double corpo, const char* ancora = "start",
             const std::string& extra = "") {
    svg += "<text x=\"" + n1(px) + "\" y=\"" + n1(py) + "\" font-size=\"" + n1(corpo) + "\"" +
           (std::string(ancora) == "start" ? "" : " text-anchor=\"" + std::string(ancora) + "\"") + extra + ">" +
           testo_xml(t) + "</text>\n";
    occupato.prendi(riquadro_testo(px, py, corpo, ancora, t));
    testi.prendi(riquadro_testo(px, py, corpo, ancora, t));
  }
  // A leader line from (x1, y1) to (x2, y2) that crosses no text.
  bool guida_libera(double x1, double y1, double x2, double y2) const {
    for (int k = 1; k <= 20; ++k) {
      const double t = k / 20.0, px = x1 + (x2 - x1) * t, py = y1 + (y2 - y1) * t;
      if (!testi.libero({px - 0.5, py - 0.5, px + 0.5, py + 0.5})) return false;
    }
    return true;
  }
  void linea(double x1, double y1, double x2, double y2, const std::string& stile) {
    svg += "<line x1=\"" + n1(x1) + "\" y1=\"" + n1(y1) + "\" x2=\"" + n1(x2) + "\" y2=\"" + n1(y2) + "\" " + stile + "/>\n";
  }
};

// Stations in the order their names are placed: timed stops first, then by
// type (lower codes are the larger stations), then along the line.
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

std::string nome_di(const stazione& st) { return utf8_da_1252(st.nome); }

// The map: the plan of the stretch turned so that its chord runs left to
// right, fitted to its box; station dots and names with leader lines.
void mappa(disegno& d) {
  const scenario_compatto& s = d.s;
  d.testo(sx, 34, "Planimetria della linea, km " + km(d.da) + "-" + km(d.a), 16, "start", " font-weight=\"bold\"");
  if (!s.piano || s.piano->ultimo_metro() < 2) {
    d.testo(sx, mappa_alto + 40, "(nessun file della planimetria)", 13);
    return;
  }
  const tabella_piano& p = *s.piano;
  auto pieno = [&](std::int32_t m) { return m >= 0 && m <= p.ultimo_metro() && p(m, 0).tag != tag_piano::vuoto; };
  const std::int32_t da = std::max(d.da, 0);
  std::int32_t a = std::min(d.a, p.ultimo_metro());
  while (a > da && !pieno(a)) --a;
  if (a <= da) {
    d.testo(sx, mappa_alto + 40, "(la planimetria non copre questo tratto)", 13);
    return;
  }
  const double ax = p(da, 0).numero(), ay = p(da, 1).numero();
  const std::int32_t passo = std::max<std::int32_t>(1, (a - da) / 3000);
  // Room around the line for the names above and below it.
  const double riserva = 60;
  const double w = destra - sx, h = mappa_altezza - 2 * riserva;
  // The turn that lets the map fill its box best, the start on the left.
  auto misura = [&](double angolo, double& u0, double& u1, double& v0, double& v1) {
    const double c = std::cos(-angolo), sn = std::sin(-angolo);
    u0 = v0 = std::numeric_limits<double>::max();
    u1 = v1 = -u0;
    for (std::int32_t m = da; m <= a; m += passo) {
      const double x0 = p(m, 0).numero() - ax, y0 = p(m, 1).numero() - ay;
      const double uu = x0 * c - y0 * sn, vv = x0 * sn + y0 * c;
      u0 = std::min(u0, uu); u1 = std::max(u1, uu);
      v0 = std::min(v0, vv); v1 = std::max(v1, vv);
    }
    return std::min(w / std::max(u1 - u0, 1.0), h / std::max(v1 - v0, 1.0));
  };
  // The chord from start to end laid flat, unless another turn fills the box clearly better.
  double u0, u1, v0, v1;
  double angolo = std::atan2(p(a, 1).numero() - ay, p(a, 0).numero() - ax);
  double migliore = misura(angolo, u0, u1, v0, v1) * 1.1;
  for (int gradi = 0; gradi < 180; gradi += 2) {
    const double prova = gradi * std::numbers::pi / 180;
    const double sc = misura(prova, u0, u1, v0, v1);
    if (sc > migliore) {
      migliore = sc;
      angolo = prova;
    }
  }
  const double c0 = std::cos(-angolo), s0 = std::sin(-angolo);
  if ((p(a, 0).numero() - ax) * c0 - (p(a, 1).numero() - ay) * s0 < 0) angolo += std::numbers::pi;
  const double scala = misura(angolo, u0, u1, v0, v1);
  const double c = std::cos(-angolo), sn = std::sin(-angolo);
  // Turned coordinates: u to the right, v up (a turn, no mirror).
  auto u = [&](std::int32_t m) { return (p(m, 0).numero() - ax) * c - (p(m, 1).numero() - ay) * sn; };
  auto v = [&](std::int32_t m) { return (p(m, 0).numero() - ax) * sn + (p(m, 1).numero() - ay) * c; };
  const double ox = sx + (w - (u1 - u0) * scala) / 2, oy = mappa_alto + riserva + (h - (v1 - v0) * scala) / 2;
  auto px = [&](std::int32_t m) { return ox + (u(m) - u0) * scala; };
  auto py = [&](std::int32_t m) { return oy + (v1 - v(m)) * scala; };

  d.svg += "<polyline id=\"mappa\" fill=\"none\" stroke=\"#333\" stroke-width=\"2.5\" points=\"";
  for (std::int32_t m = da; m <= a; m += passo) {
    d.svg += n1(px(m)) + "," + n1(py(m)) + " ";
    d.occupato.prendi({px(m) - 2, py(m) - 2, px(m) + 2, py(m) + 2});
  }
  d.svg += n1(px(a)) + "," + n1(py(a)) + "\"/>\n";

  // Stations: dots first, so no name covers a dot.
  std::vector<int> stazioni;
  for (int k : stazioni_per_importanza(s)) {
    const stazione& st = s.stazioni[static_cast<std::size_t>(k)];
    if (st.progressiva < da || st.progressiva > a || !pieno(st.progressiva)) continue;
    stazioni.push_back(k);
    const double cx = px(st.progressiva), cy = py(st.progressiva);
    d.svg += "<circle class=\"stazione\" cx=\"" + n1(cx) + "\" cy=\"" + n1(cy) + "\" r=\"" + (st.orario ? "5" : "3.5") +
             "\" fill=\"" + (st.orario ? "#c00" : "#fff") + "\" stroke=\"#c00\" stroke-width=\"1.5\"/>\n";
    d.occupato.prendi({cx - 5, cy - 5, cx + 5, cy + 5});
  }
  const riquadro area{sx, mappa_alto, destra, mappa_alto + mappa_altezza};
  for (int k : stazioni) {
    const stazione& st = s.stazioni[static_cast<std::size_t>(k)];
    const std::string nome = nome_di(st);
    const double cx = px(st.progressiva), cy = py(st.progressiva);
    const double corpo = st.orario ? 12 : corpo_nomi;
    bool messo = false;
    // Above or below, ever farther, then shifted sideways.
    for (double distanza : {14.0, 30.0, 46.0, 62.0}) {
      for (double spostamento : {0.0, -0.5, 0.5}) {
        for (int lato : {-1, 1}) {
          const double ty = lato < 0 ? cy - distanza : cy + distanza + corpo * 0.8;
          const double tx = cx + spostamento * larghezza_testo(nome, corpo);
          const riquadro r = riquadro_testo(tx, ty, corpo, "middle", nome);
          if (r.x0 < area.x0 || r.x1 > area.x1 || r.y0 < area.y0 || r.y1 > area.y1 || !d.occupato.libero(con_margine(r, 4))) continue;
          const double fine_y = lato < 0 ? r.y1 : r.y0;
          if (!d.guida_libera(cx, cy + lato * 5, tx, fine_y)) continue;
          if (distanza > 14.0 || spostamento != 0.0) d.linea(cx, cy + lato * 5, tx, fine_y, "stroke=\"#c00\" stroke-width=\"0.7\"");
          d.testo(tx, ty, nome, corpo, "middle", std::string(" class=\"nome_stazione\"") + (st.orario ? " font-weight=\"bold\"" : ""));
          messo = true;
          break;
        }
        if (messo) break;
      }
      if (messo) break;
    }
    if (!messo) ++d.omessi_mappa;
  }

  // North arrow and scale bar in the lower left corner.
  const double nx = sx + 20, ny = mappa_alto + mappa_altezza - 40;
  // North is the second coordinate; turned by -angolo it points (sin(angolo), cos(angolo)) in (u, v).
  const double fx = nx + 18 * std::sin(angolo), fy = ny - 18 * std::cos(angolo);
  d.linea(nx, ny, fx, fy, "stroke=\"#000\" stroke-width=\"2\" marker-end=\"url(#freccia)\"");
  d.testo(nx + 30 * std::sin(angolo), ny - 30 * std::cos(angolo) + 4, "N", 12, "middle", " font-weight=\"bold\"");
  double metri_barra = 1;
  for (double m : {10.0, 20.0, 50.0, 100.0, 200.0, 500.0, 1000.0, 2000.0, 5000.0, 10000.0, 20000.0, 50000.0})
    if (m * scala <= 200) metri_barra = m;
  const double bx = sx + 60, by = mappa_alto + mappa_altezza - 20;
  d.linea(bx, by, bx + metri_barra * scala, by, "stroke=\"#000\" stroke-width=\"3\"");
  d.testo(bx, by - 6, metri_barra >= 1000 ? km(static_cast<std::int64_t>(metri_barra)) + " km" : n1(metri_barra).substr(0, n1(metri_barra).size() - 2) + " m", 11);
}

// A value per cell drawn as steps over the stretch.
template <typename F>
void gradini(disegno& d, const char* id, const char* colore, F valore, double basso, double alto, double cima, double h) {
  auto y = [&](double v) { return cima + h - (std::clamp(v, basso, alto) - basso) / (alto - basso) * h; };
  const std::int32_t primo = d.da / 50, ultimo = std::min<std::int32_t>((d.a - 1) / 50, static_cast<std::int32_t>(d.s.percorso.size()) - 1);
  if (primo > ultimo) return;
  d.svg += std::string("<polyline id=\"") + id + "\" fill=\"none\" stroke=\"" + colore + "\" stroke-width=\"1.8\" points=\"";
  double precedente = valore(d.s.percorso[static_cast<std::size_t>(primo)]);
  d.svg += n1(d.x(d.da)) + "," + n1(y(precedente)) + " ";
  for (std::int32_t i = primo + 1; i <= ultimo; ++i) {
    const double v = valore(d.s.percorso[static_cast<std::size_t>(i)]);
    if (v == precedente) continue;
    d.svg += n1(d.x(i * 50.0)) + "," + n1(y(precedente)) + " " + n1(d.x(i * 50.0)) + "," + n1(y(v)) + " ";
    precedente = v;
  }
  d.svg += n1(d.x(d.a)) + "," + n1(y(precedente)) + "\"/>\n";
}

double passo_tondo(double intervallo, int tacche) {
  const double grezzo = intervallo / tacche;
  const double dieci = std::pow(10.0, std::floor(std::log10(grezzo)));
  for (double m : {1.0, 2.0, 5.0, 10.0})
    if (m * dieci >= grezzo) return m * dieci;
  return 10 * dieci;
}

void asse_verticale(disegno& d, double cima, double h, double basso, double alto, const std::string& titolo) {
  d.testo(sx, cima - 8, titolo, 12, "start", " font-weight=\"bold\"");
  d.linea(sx, cima, sx, cima + h, "stroke=\"#000\"");
  const double passo = passo_tondo(alto - basso, 4);
  for (double v = std::ceil(basso / passo) * passo; v <= alto + 1e-9; v += passo) {
    const double y = cima + h - (v - basso) / (alto - basso) * h;
    d.linea(sx, y, destra, y, std::abs(v) < 1e-9 ? "stroke=\"#999\"" : "stroke=\"#e4e4e4\"");
    d.testo(sx - 6, y + 4, std::to_string(static_cast<long long>(std::lround(v))), 10, "end");
  }
}

// One row of objects: a mark each where they stand apart, else a bar per
// stretch of the axis whose height counts them.
void riga_oggetti(disegno& d, double cima, const std::string& nome, const std::vector<std::int32_t>& metri,
                  const char* colore, const char* classe, std::string& spiegazione) {
  d.testo(sx - 6, cima + riga_altezza / 2 + 4, nome, 11, "end");
  d.linea(sx, cima + riga_altezza, destra, cima + riga_altezza, "stroke=\"#ccc\"");
  double minimo = std::numeric_limits<double>::max();
  for (std::size_t k = 1; k < metri.size(); ++k) minimo = std::min(minimo, d.x(metri[k]) - d.x(metri[k - 1]));
  if (minimo >= 5) {
    for (std::int32_t m : metri) {
      const std::string px = n1(d.x(m + 25.0));
      d.svg += std::string("<path class=\"") + classe + "\" d=\"M" + px + "," + n1(cima + 4) + " l-3.5,9 h7 z M" + px + "," +
               n1(cima + 13) + " v" + n1(riga_altezza - 15) + "\" fill=\"" + colore + "\" stroke=\"" + colore + "\"/>\n";
    }
    return;
  }
  // Bars of 16 px; their height is the count over the tallest bar, which is
  // written at the row's end.
  const double barra = 16;
  const int barre = static_cast<int>(std::ceil((destra - sx) / barra));
  std::vector<int> conta(static_cast<std::size_t>(barre), 0);
  for (std::int32_t m : metri) conta[static_cast<std::size_t>(std::clamp(static_cast<int>((d.x(m) - sx) / barra), 0, barre - 1))]++;
  const int massimo = *std::max_element(conta.begin(), conta.end());
  for (int b = 0; b < barre; ++b) {
    if (!conta[static_cast<std::size_t>(b)]) continue;
    const double h = (riga_altezza - 4) * conta[static_cast<std::size_t>(b)] / massimo;
    d.svg += std::string("<rect class=\"") + classe + "\" x=\"" + n1(sx + b * barra + 0.5) + "\" y=\"" + n1(cima + riga_altezza - h) +
             "\" width=\"" + n1(barra - 1) + "\" height=\"" + n1(h) + "\" fill=\"" + colore + "\" data-quanti=\"" +
             std::to_string(conta[static_cast<std::size_t>(b)]) + "\"/>\n";
  }
  d.testo(destra + 6, cima + riga_altezza / 2 + 4, "max " + std::to_string(massimo), 10, "start", " fill=\"#555\"");
  const double metri_barra = barra * (d.a - d.da) / (destra - sx);
  if (spiegazione.empty())
    spiegazione = "righe dense: ogni barra conta gli oggetti di " + km(static_cast<std::int64_t>(std::lround(metri_barra / 10) * 10)) +
                  " km, alta quanto il massimo scritto in fondo alla riga";
}

void legenda(disegno& d, const std::string& spiegazione) {
  double x = sx;
  const double y = legenda_alto + 14;
  auto voce = [&](const std::string& simbolo, const std::string& testo) {
    d.svg += "<g transform=\"translate(" + n1(x) + "," + n1(y - 4) + ")\">" + simbolo + "</g>\n";
    d.testo(x + 22, y, testo, 11);
    x += 22 + larghezza_testo(testo, 11) + 18;
  };
  d.testo(sx - 6, y, "Legenda", 11, "end", " font-weight=\"bold\"");
  voce("<line x1=\"0\" y1=\"0\" x2=\"16\" y2=\"0\" stroke=\"#333\" stroke-width=\"2.5\"/>", "linea");
  voce("<circle cx=\"8\" cy=\"0\" r=\"5\" fill=\"#c00\" stroke=\"#c00\"/>", "stazione con orario");
  voce("<circle cx=\"8\" cy=\"0\" r=\"3.5\" fill=\"#fff\" stroke=\"#c00\" stroke-width=\"1.5\"/>", "altra stazione");
  voce("<line x1=\"0\" y1=\"0\" x2=\"16\" y2=\"0\" stroke=\"#06c\" stroke-width=\"2\"/>", "pendenza (\xE2\x80\xB0)");
  voce("<line x1=\"0\" y1=\"0\" x2=\"16\" y2=\"0\" stroke=\"#090\" stroke-width=\"2\"/>", "velocit\xC3\xA0 massima della linea");
  voce("<rect x=\"0\" y=\"-6\" width=\"16\" height=\"12\" fill=\"#f90\" opacity=\"0.45\"/>", "rallentamento e sua velocit\xC3\xA0");
  voce("<path d=\"M8,-6 l-3.5,9 h7 z\" fill=\"#000\"/>", "segnale");
  voce("<path d=\"M8,-6 l-3.5,9 h7 z\" fill=\"#909\"/>", "punto codice");
  voce("<path d=\"M8,-6 l-3.5,9 h7 z\" fill=\"#060\"/>", "cartello di velocit\xC3\xA0 massima");
  std::string nota = spiegazione;
  if (d.omessi_mappa || d.omessi_profilo) {
    if (!nota.empty()) nota += "; ";
    nota += "nomi di stazioni che a questa scala non entrano: " + std::to_string(d.omessi_mappa) + " sulla mappa, " +
            std::to_string(d.omessi_profilo) + " sul profilo (--from e --to per un tratto)";
  }
  if (!nota.empty()) d.testo(sx, y + 22, nota, 11);
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

std::string disegno_svg(const scenario_compatto& s, tratto_disegno tratto) {
  if (s.percorso.empty()) return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"/>\n";
  const std::int32_t lunghezza = std::max(s.stazioni[voce_treno_linea].fine, 50);
  const std::int32_t fine_celle = static_cast<std::int32_t>(s.percorso.size()) * 50;
  std::int32_t da = std::clamp(tratto.da_m, 0, fine_celle - 50);
  std::int32_t a = tratto.a_m < 0 ? std::min(lunghezza, fine_celle) : std::clamp(tratto.a_m, da + 50, fine_celle);
  disegno d{s, da, a, {}, {}, {}, 0, 0};
  d.svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + n1(larghezza) +
          "\" height=\"" + n1(altezza) + "\" viewBox=\"0 0 " + n1(larghezza) + " " + n1(altezza) +
          "\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n"
          "<defs><marker id=\"freccia\" viewBox=\"0 0 10 10\" refX=\"5\" refY=\"5\" markerWidth=\"6\" markerHeight=\"6\" "
          "orient=\"auto\"><path d=\"M0,0 L10,5 L0,10 z\"/></marker></defs>\n";
  d.svg += "<title>" + testo_xml(utf8_da_1252(s.nome_percorso)) + " treno " + testo_xml(utf8_da_1252(s.numero_treno)) + "</title>\n";
  mappa(d);

  // Profiles: the slowdown bands go under everything else.
  const std::int32_t primo = da / 50, ultimo = std::min<std::int32_t>((a - 1) / 50, static_cast<std::int32_t>(s.percorso.size()) - 1);
  const double basso_bande = righe_alto + 3 * riga_altezza;
  for (std::int32_t i = 0; i < static_cast<std::int32_t>(s.percorso.size()); ++i) {
    if (s.percorso[static_cast<std::size_t>(i)].tipo != cella_inizio_rallentamento) continue;
    std::int32_t j = i + 1;
    while (j + 1 < static_cast<std::int32_t>(s.percorso.size()) && s.percorso[static_cast<std::size_t>(j)].tipo != cella_fine_rallentamento) ++j;
    if (j * 50 < da || i * 50 > a) continue;
    const double x0 = std::max(d.x(i * 50.0), sx), x1 = std::min(d.x(j * 50.0 + 50), destra);
    const double w = std::max(x1 - x0, 3.0);
    const std::string km_h = std::to_string(s.percorso[static_cast<std::size_t>(i)].valore_1) + " km/h";
    d.svg += "<rect class=\"rallentamento\" x=\"" + n1(x0) + "\" y=\"" + n1(pendenza_alto) + "\" width=\"" + n1(w) + "\" height=\"" +
             n1(basso_bande - pendenza_alto) + "\" fill=\"#f90\" opacity=\"0.45\"><title>rallentamento a " + km_h + "</title></rect>\n";
    const double tx = std::clamp(x0 + w / 2, sx + 30, destra - 30);
    if (d.occupato.libero(riquadro_testo(tx, rallentamenti_alto, 11, "middle", km_h)))
      d.testo(tx, rallentamenti_alto, km_h, 11, "middle", " class=\"velocita_rallentamento\" font-weight=\"bold\" fill=\"#b60\"");
  }
  // Past the end of the line: a grey band. Its last three cells are never
  // filled (they read as 0) and do not set the scales.
  if (a > lunghezza) {
    const double x0 = std::max(d.x(lunghezza), sx);
    d.svg += "<rect class=\"oltre_fine\" x=\"" + n1(x0) + "\" y=\"" + n1(pendenza_alto) + "\" width=\"" + n1(destra - x0) +
             "\" height=\"" + n1(basso_bande - pendenza_alto) + "\" fill=\"#000\" opacity=\"0.07\"/>\n";
    const std::string t = "oltre la fine della linea";
    if (d.occupato.libero(riquadro_testo(x0 + 4, pendenza_alto + 14, 11, "start", t)) && x0 + 4 + larghezza_testo(t, 11) < destra)
      d.testo(x0 + 4, pendenza_alto + 14, t, 11, "start", " fill=\"#555\"");
  }
  const std::int32_t ultimo_pieno = std::min(ultimo, static_cast<std::int32_t>(s.percorso.size()) - 4);
  double pmin = 0, pmax = 0, vmax = 50;
  for (std::int32_t i = primo; i <= ultimo_pieno; ++i) {
    const cella& c = s.percorso[static_cast<std::size_t>(i)];
    pmin = std::min(pmin, c.pendenza - 100.0);
    pmax = std::max(pmax, c.pendenza - 100.0);
    vmax = std::max(vmax, c.velocita * 5.0);
  }
  const double ampiezza = std::max({std::abs(pmin), std::abs(pmax), 5.0});
  const double margine_p = passo_tondo(2 * ampiezza, 4);
  const double p_basso = -std::ceil(ampiezza / margine_p) * margine_p, p_alto = -p_basso;
  const double v_alto = std::ceil((vmax + 10) / 50) * 50;
  asse_verticale(d, pendenza_alto, pendenza_altezza, p_basso, p_alto, "Pendenza (\xE2\x80\xB0)");
  gradini(d, "pendenza", "#06c", [](const cella& c) { return c.pendenza - 100.0; }, p_basso, p_alto, pendenza_alto, pendenza_altezza);
  asse_verticale(d, velocita_alto, velocita_altezza, 0, v_alto, "Velocit\xC3\xA0 massima della linea (km/h)");
  gradini(d, "velocita", "#090", [](const cella& c) { return c.velocita * 5.0; }, 0, v_alto, velocita_alto, velocita_altezza);

  // Station names in rows above the profiles, with a leader line down to the axis.
  d.testo(sx - 6, nomi_alto + 12, "Stazioni", 11, "end", " font-weight=\"bold\"");
  for (int k : stazioni_per_importanza(s)) {
    const stazione& st = s.stazioni[static_cast<std::size_t>(k)];
    if (st.progressiva < da || st.progressiva > a) continue;
    const double px = d.x(st.progressiva);
    const std::string nome = nome_di(st);
    bool messo = false;
    for (int r = 0; r < nomi_righe && !messo; ++r) {
      const double ty = nomi_alto + 12 + r * nomi_passo;
      double tx = px;
      const double w = larghezza_testo(nome, corpo_nomi);
      tx = std::clamp(tx, sx + w / 2 + 2, destra - w / 2);
      const riquadro q = riquadro_testo(tx, ty, corpo_nomi, "middle", nome);
      if (!d.occupato.libero(con_margine(q, 4))) continue;
      d.linea(px, ty + 3, px, asse_alto, std::string("class=\"stazione\" stroke=\"#c00\" stroke-width=\"0.8\" stroke-dasharray=\"") +
                                              (st.orario ? "4,2" : "1,3") + "\"");
      d.testo(tx, ty, nome, corpo_nomi, "middle", std::string(" class=\"nome_stazione\"") + (st.orario ? " font-weight=\"bold\"" : ""));
      messo = true;
    }
    if (!messo) {
      d.linea(px, nomi_alto + nomi_righe * nomi_passo, px, asse_alto, "class=\"stazione\" stroke=\"#c00\" stroke-width=\"0.5\" stroke-dasharray=\"1,3\"");
      ++d.omessi_profilo;
    }
  }

  // Rows of point objects.
  std::vector<std::int32_t> segnali, codici, cartelli;
  for (std::int32_t i = primo; i <= ultimo; ++i) {
    const std::uint8_t t = s.percorso[static_cast<std::size_t>(i)].tipo;
    if (t == cella_segnale) segnali.push_back(i * 50);
    else if (t == cella_codice || t == cella_codice_senza_valore) codici.push_back(i * 50);
    else if (t == cella_indicatore_vmax) cartelli.push_back(i * 50);
  }
  std::string spiegazione;
  riga_oggetti(d, righe_alto, "segnali", segnali, "#000", "segnale", spiegazione);
  riga_oggetti(d, righe_alto + riga_altezza, "punti codice", codici, "#909", "codice", spiegazione);
  riga_oggetti(d, righe_alto + 2 * riga_altezza, "cartelli vmax", cartelli, "#060", "cartello_vmax", spiegazione);

  // The km axis; on a short stretch the cell borders and numbers too.
  const double y = asse_alto;
  d.linea(sx, y, destra, y, "stroke=\"#000\"");
  const double metri_per_px = (a - da) / (destra - sx);
  std::int32_t passo = 50;
  for (std::int32_t m : {50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000, 50000, 100000})
    if (m / metri_per_px < 90) passo = m;
    else break;
  passo = std::max(passo * 2, 100);
  for (std::int32_t m = (da + passo - 1) / passo * passo; m <= a; m += passo) {
    d.linea(d.x(m), y, d.x(m), y + 6, "stroke=\"#000\"");
    d.testo(d.x(m), y + 20, km(m), 10, "middle");
  }
  if (50 / metri_per_px >= 6) {
    const std::int32_t ogni = std::max<std::int32_t>(1, static_cast<std::int32_t>(std::ceil(40 * metri_per_px / 50)));
    for (std::int32_t i = (da + 49) / 50; i * 50 <= a; ++i) {
      d.linea(d.x(i * 50), righe_alto, d.x(i * 50), y, "class=\"bordo_cella\" stroke=\"#bbb\" stroke-width=\"0.5\"");
      if (i % ogni == 0 && i * 50 + 25 < a) {
        const riquadro q = riquadro_testo(d.x(i * 50 + 25), y - 4, 9, "middle", std::to_string(i));
        if (d.occupato.libero(q)) d.testo(d.x(i * 50 + 25), y - 4, std::to_string(i), 9, "middle", " fill=\"#666\"");
      }
    }
    d.testo(sx - 6, y - 4, "cella", 9, "end", " fill=\"#666\"");
  }
  d.testo((sx + destra) / 2, y + 42, "progressiva (km)", 12, "middle");
  legenda(d, spiegazione);
  d.svg += "</svg>\n";
  return d.svg;
}
