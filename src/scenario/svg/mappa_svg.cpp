#include "scenario/svg/mappa_svg.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "model/form1.h"
#include "scenario/svg/tela_svg.h"
#include "scenario/testo/da_1252.h"

using namespace pagina;

namespace {

// Room around the line for the names above and below it.
constexpr double riserva = 60;
constexpr double larghezza_mappa = destra - sx, altezza_mappa = mappa_altezza - 2 * riserva;

// The plan's stretch [da, a] turned by angolo and scaled to fill the map's
// box: u to the right, v up (a turn, no mirror).
struct vista_mappa {
  const tabella_piano& p;
  std::int32_t da, a, passo;
  double ax, ay;  // the stretch's first point, the turn's centre
  double angolo = 0, scala = 0;
  double u0 = 0, u1 = 0, v0 = 0, v1 = 0;  // the turned stretch's bounds

  double u(std::int32_t m) const {
    return (p(m, 0).numero() - ax) * std::cos(-angolo) - (p(m, 1).numero() - ay) * std::sin(-angolo);
  }
  double v(std::int32_t m) const {
    return (p(m, 0).numero() - ax) * std::sin(-angolo) + (p(m, 1).numero() - ay) * std::cos(-angolo);
  }
  double px(std::int32_t m) const { return sx + (larghezza_mappa - (u1 - u0) * scala) / 2 + (u(m) - u0) * scala; }
  double py(std::int32_t m) const {
    return mappa_alto + riserva + (altezza_mappa - (v1 - v0) * scala) / 2 + (v1 - v(m)) * scala;
  }
};

// The scale at which the stretch turned by angolo fills the box, its bounds
// into u0..v1.
double misura(const vista_mappa& vm, double angolo, double& u0, double& u1, double& v0, double& v1) {
  const double c = std::cos(-angolo), sn = std::sin(-angolo);
  u0 = v0 = std::numeric_limits<double>::max();
  u1 = v1 = -u0;
  for (std::int32_t m = vm.da; m <= vm.a; m += vm.passo) {
    const double x0 = vm.p(m, 0).numero() - vm.ax, y0 = vm.p(m, 1).numero() - vm.ay;
    const double uu = x0 * c - y0 * sn, vv = x0 * sn + y0 * c;
    u0 = std::min(u0, uu);
    u1 = std::max(u1, uu);
    v0 = std::min(v0, vv);
    v1 = std::max(v1, vv);
  }
  return std::min(larghezza_mappa / std::max(u1 - u0, 1.0), altezza_mappa / std::max(v1 - v0, 1.0));
}

// The chord from start to end laid flat, unless another turn fills the box
// clearly better; the start on the left.
void scegli_angolo(vista_mappa& vm) {
  const tabella_piano& p = vm.p;
  double u0, u1, v0, v1;
  double angolo = std::atan2(p(vm.a, 1).numero() - vm.ay, p(vm.a, 0).numero() - vm.ax);
  double migliore = misura(vm, angolo, u0, u1, v0, v1) * 1.1;
  for (int gradi = 0; gradi < 180; gradi += 2) {
    const double prova = gradi * std::numbers::pi / 180;
    const double sc = misura(vm, prova, u0, u1, v0, v1);
    if (sc > migliore) {
      migliore = sc;
      angolo = prova;
    }
  }
  const double c0 = std::cos(-angolo), s0 = std::sin(-angolo);
  if ((p(vm.a, 0).numero() - vm.ax) * c0 - (p(vm.a, 1).numero() - vm.ay) * s0 < 0) angolo += std::numbers::pi;
  vm.angolo = angolo;
  vm.scala = misura(vm, angolo, vm.u0, vm.u1, vm.v0, vm.v1);
}

void disegna_tracciato(tela& d, const vista_mappa& vm) {
  d.svg += "<polyline id=\"mappa\" fill=\"none\" stroke=\"#333\" stroke-width=\"2.5\" points=\"";
  for (std::int32_t m = vm.da; m <= vm.a; m += vm.passo) {
    d.svg += n1(vm.px(m)) + "," + n1(vm.py(m)) + " ";
    d.occupato.prendi({vm.px(m) - 2, vm.py(m) - 2, vm.px(m) + 2, vm.py(m) + 2});
  }
  d.svg += n1(vm.px(vm.a)) + "," + n1(vm.py(vm.a)) + "\"/>\n";
}

// The dots of the stations on the drawn stretch, first, so that no name
// covers a dot; returns those stations in the order their names go.
std::vector<int> disegna_punti_stazione(tela& d, const vista_mappa& vm) {
  const scenario_compatto& s = d.s;
  const tabella_piano& p = vm.p;
  auto pieno = [&](std::int32_t m) { return m >= 0 && m <= p.ultimo_metro() && p(m, 0).tag != tag_piano::vuoto; };
  std::vector<int> stazioni;
  for (int k : stazioni_per_importanza(s)) {
    const stazione& st = s.stazioni[static_cast<std::size_t>(k)];
    if (st.progressiva < vm.da || st.progressiva > vm.a || !pieno(st.progressiva)) continue;
    stazioni.push_back(k);
    const double cx = vm.px(st.progressiva), cy = vm.py(st.progressiva);
    d.svg += "<circle class=\"stazione\" cx=\"" + n1(cx) + "\" cy=\"" + n1(cy) + "\" r=\"" + (st.orario ? "5" : "3.5") +
             "\" fill=\"" + (st.orario ? "#c00" : "#fff") + "\" stroke=\"#c00\" stroke-width=\"1.5\"><title>" +
             testo_xml(utf8_da_1252(st.nome)) + ", km " + km(st.progressiva) + ", pk " + pk(s, st.progressiva) +
             "</title></circle>\n";
    d.occupato.prendi({cx - 5, cy - 5, cx + 5, cy + 5});
  }
  return stazioni;
}

// A station's name above or below its dot, ever farther, then shifted
// sideways, with a leader line when away from the dot; false when it found
// no room.
bool metti_nome_stazione(tela& d, const stazione& st, double cx, double cy) {
  const riquadro area{sx, mappa_alto, destra, mappa_alto + mappa_altezza};
  const std::string nome = utf8_da_1252(st.nome);
  const double corpo = st.orario ? 12 : corpo_nomi;
  for (double distanza : {14.0, 30.0, 46.0, 62.0})
    for (double spostamento : {0.0, -0.5, 0.5})
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
        return true;
      }
  return false;
}

// North arrow and scale bar in the lower left corner.
void disegna_nord_e_scala(tela& d, const vista_mappa& vm) {
  const double nx = sx + 20, ny = mappa_alto + mappa_altezza - 40;
  // North is the second coordinate; turned by -angolo it points (sin(angolo), cos(angolo)) in (u, v).
  const double fx = nx + 18 * std::sin(vm.angolo), fy = ny - 18 * std::cos(vm.angolo);
  d.linea(nx, ny, fx, fy, "stroke=\"#000\" stroke-width=\"2\" marker-end=\"url(#freccia)\"");
  d.testo(nx + 30 * std::sin(vm.angolo), ny - 30 * std::cos(vm.angolo) + 4, "N", 12, "middle", " font-weight=\"bold\"");
  double metri_barra = 1;
  for (double m : {10.0, 20.0, 50.0, 100.0, 200.0, 500.0, 1000.0, 2000.0, 5000.0, 10000.0, 20000.0, 50000.0})
    if (m * vm.scala <= 200) metri_barra = m;
  const double bx = sx + 60, by = mappa_alto + mappa_altezza - 20;
  d.linea(bx, by, bx + metri_barra * vm.scala, by, "stroke=\"#000\" stroke-width=\"3\"");
  d.testo(bx, by - 6,
          metri_barra >= 1000 ? km(static_cast<std::int64_t>(metri_barra)) + " km"
                              : n1(metri_barra).substr(0, n1(metri_barra).size() - 2) + " m",
          11);
}

}  // namespace

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
  vista_mappa vm{p, da, a, std::max<std::int32_t>(1, (a - da) / 3000), p(da, 0).numero(), p(da, 1).numero()};
  scegli_angolo(vm);
  disegna_tracciato(d, vm);
  for (int k : disegna_punti_stazione(d, vm)) {
    const stazione& st = s.stazioni[static_cast<std::size_t>(k)];
    if (!metti_nome_stazione(d, st, vm.px(st.progressiva), vm.py(st.progressiva))) ++d.omessi_mappa;
  }
  disegna_nord_e_scala(d, vm);
}
