#include "scenario/svg/mappa_svg.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "model/form1.h"
#include "scenario/svg/tela_svg.h"
#include "scenario/testo/da_1252.h"

using namespace pagina;

void disegna_mappa(tela& d) {
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
      u0 = std::min(u0, uu);
      u1 = std::max(u1, uu);
      v0 = std::min(v0, vv);
      v1 = std::max(v1, vv);
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
             "\" fill=\"" + (st.orario ? "#c00" : "#fff") + "\" stroke=\"#c00\" stroke-width=\"1.5\"><title>" +
             testo_xml(utf8_da_1252(st.nome)) + ", km " + km(st.progressiva) + ", pk " + pk(s, st.progressiva) +
             "</title></circle>\n";
    d.occupato.prendi({cx - 5, cy - 5, cx + 5, cy + 5});
  }
  const riquadro area{sx, mappa_alto, destra, mappa_alto + mappa_altezza};
  for (int k : stazioni) {
    const stazione& st = s.stazioni[static_cast<std::size_t>(k)];
    const std::string nome = utf8_da_1252(st.nome);
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
          if (r.x0 < area.x0 || r.x1 > area.x1 || r.y0 < area.y0 || r.y1 > area.y1 ||
              !d.occupato.libero(con_margine(r, 4)))
            continue;
          const double fine_y = lato < 0 ? r.y1 : r.y0;
          if (!d.guida_libera(cx, cy + lato * 5, tx, fine_y)) continue;
          if (distanza > 14.0 || spostamento != 0.0)
            d.linea(cx, cy + lato * 5, tx, fine_y, "stroke=\"#c00\" stroke-width=\"0.7\"");
          d.testo(tx, ty, nome, corpo, "middle",
                  std::string(" class=\"nome_stazione\"") + (st.orario ? " font-weight=\"bold\"" : ""));
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
  d.testo(bx, by - 6,
          metri_barra >= 1000 ? km(static_cast<std::int64_t>(metri_barra)) + " km"
                              : n1(metri_barra).substr(0, n1(metri_barra).size() - 2) + " m",
          11);
}
