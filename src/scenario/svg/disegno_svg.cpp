#include "scenario/svg/disegno_svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>
#include <vector>

#include "model/campi_cella.h"
#include "model/form1.h"
#include "scenario/svg/etichette_svg.h"
#include "scenario/svg/mappa_svg.h"
#include "scenario/svg/tela_svg.h"
#include "scenario/testo/da_1252.h"

using namespace pagina;

namespace {

// The cells of the drawn stretch, first and last.
struct celle_tratto {
  std::int32_t primo, ultimo;
};
celle_tratto celle_del_tratto(const tela& d) {
  return {d.da / metri_cella,
          std::min<std::int32_t>((d.a - 1) / metri_cella, static_cast<std::int32_t>(d.s.percorso.size()) - 1)};
}

// A value per cell drawn as steps over the stretch.
template <typename F>
void gradini(tela& d, const char* id, const char* colore, F valore, double basso, double alto, double cima, double h) {
  auto y = [&](double v) { return cima + h - (std::clamp(v, basso, alto) - basso) / (alto - basso) * h; };
  const auto [primo, ultimo] = celle_del_tratto(d);
  if (primo > ultimo) return;
  d.svg +=
      std::string("<polyline id=\"") + id + "\" fill=\"none\" stroke=\"" + colore + "\" stroke-width=\"1.8\" points=\"";
  double precedente = valore(d.s.percorso[static_cast<std::size_t>(primo)]);
  d.svg += n1(d.x(d.da)) + "," + n1(y(precedente)) + " ";
  for (std::int32_t i = primo + 1; i <= ultimo; ++i) {
    const double v = valore(d.s.percorso[static_cast<std::size_t>(i)]);
    if (v == precedente) continue;
    d.svg += n1(d.x(i * metri_cella_reale)) + "," + n1(y(precedente)) + " " + n1(d.x(i * metri_cella_reale)) + "," +
             n1(y(v)) + " ";
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

void asse_verticale(tela& d, double cima, double h, double basso, double alto, const std::string& titolo) {
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
void riga_oggetti(tela& d, double cima, const std::string& nome, const std::vector<std::int32_t>& metri,
                  const char* colore, const char* classe, std::string& spiegazione) {
  d.testo(sx - 6, cima + riga_altezza / 2 + 4, nome, 11, "end");
  d.linea(sx, cima + riga_altezza, destra, cima + riga_altezza, "stroke=\"#ccc\"");
  double minimo = std::numeric_limits<double>::max();
  for (std::size_t k = 1; k < metri.size(); ++k) minimo = std::min(minimo, d.x(metri[k]) - d.x(metri[k - 1]));
  if (minimo >= 5) {
    for (std::int32_t m : metri) {
      const std::string px = n1(d.x(m + metri_cella_reale / 2));
      d.svg += std::string("<path class=\"") + classe + "\" d=\"M" + px + "," + n1(cima + 4) + " l-3.5,9 h7 z M" + px +
               "," + n1(cima + 13) + " v" + n1(riga_altezza - 15) + "\" fill=\"" + colore + "\" stroke=\"" + colore +
               "\"/>\n";
    }
    return;
  }
  // Bars of 16 px; their height is the count over the tallest bar, which is
  // written at the row's end.
  const double barra = 16;
  const int barre = static_cast<int>(std::ceil((destra - sx) / barra));
  std::vector<int> conta(static_cast<std::size_t>(barre), 0);
  for (std::int32_t m : metri)
    conta[static_cast<std::size_t>(std::clamp(static_cast<int>((d.x(m) - sx) / barra), 0, barre - 1))]++;
  const int massimo = *std::max_element(conta.begin(), conta.end());
  for (int b = 0; b < barre; ++b) {
    if (!conta[static_cast<std::size_t>(b)]) continue;
    const double h = (riga_altezza - 4) * conta[static_cast<std::size_t>(b)] / massimo;
    d.svg += std::string("<rect class=\"") + classe + "\" x=\"" + n1(sx + b * barra + 0.5) + "\" y=\"" +
             n1(cima + riga_altezza - h) + "\" width=\"" + n1(barra - 1) + "\" height=\"" + n1(h) + "\" fill=\"" +
             colore + "\" data-quanti=\"" + std::to_string(conta[static_cast<std::size_t>(b)]) + "\"/>\n";
  }
  d.testo(destra + 6, cima + riga_altezza / 2 + 4, "max " + std::to_string(massimo), 10, "start", " fill=\"#555\"");
  const double metri_barra = barra * (d.a - d.da) / (destra - sx);
  if (spiegazione.empty())
    spiegazione = "righe dense: ogni barra conta gli oggetti di " +
                  km(static_cast<std::int64_t>(std::lround(metri_barra / 10) * 10)) +
                  " km, alta quanto il massimo scritto in fondo alla riga";
}

void legenda(tela& d, const std::string& spiegazione) {
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
  voce("<line x1=\"0\" y1=\"0\" x2=\"16\" y2=\"0\" stroke=\"#090\" stroke-width=\"2\"/>",
       "velocit\xC3\xA0 massima della linea");
  voce("<rect x=\"0\" y=\"-6\" width=\"16\" height=\"12\" fill=\"#f90\" opacity=\"0.45\"/>",
       "rallentamento e sua velocit\xC3\xA0");
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
// The line ends where the train file says; the cells may run on past it.
std::int32_t fine_linea(const scenario_compatto& s) { return std::max(s.stazioni[voce_treno_linea].fine, metri_cella); }

// The slowdown bands and the grey band past the end reach down to the rows of objects.
constexpr double basso_bande = righe_alto + 3 * riga_altezza;

// The stretch asked, kept inside the cells and at least a cell long.
tratto_disegno tratto_in_celle(const scenario_compatto& s, tratto_disegno tratto) {
  const std::int32_t lunghezza = fine_linea(s);
  const std::int32_t fine_celle = static_cast<std::int32_t>(s.percorso.size()) * metri_cella;
  const std::int32_t da = std::clamp(tratto.da_m, 0, fine_celle - metri_cella);
  // Without an end the stretch runs to the end of the line, or to the last cell when it starts past the line.
  const std::int32_t fine_scelta = tratto.a_m >= 0  ? tratto.a_m
                                   : da < lunghezza ? std::min(lunghezza, fine_celle)
                                                    : fine_celle;
  return {da, std::clamp(fine_scelta, da + metri_cella, fine_celle)};
}

// The page's frame: size, background, the north arrow's head and the title.
void apri_svg(tela& d) {
  d.svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + n1(larghezza) +
      "\" height=\"" + n1(altezza) + "\" viewBox=\"0 0 " + n1(larghezza) + " " + n1(altezza) +
      "\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n"
      "<defs><marker id=\"freccia\" viewBox=\"0 0 10 10\" refX=\"5\" refY=\"5\" markerWidth=\"6\" markerHeight=\"6\" "
      "orient=\"auto\"><path d=\"M0,0 L10,5 L0,10 z\"/></marker></defs>\n";
  d.svg += "<title>" + testo_xml(utf8_da_1252(d.s.nome_percorso)) + " treno " +
           testo_xml(utf8_da_1252(d.s.numero_treno)) + "</title>\n";
}

// Each slowdown that touches the stretch as a band over the profiles, its
// speed above the rows of objects where there is room. Drawn before the
// profiles so that they lie under everything else.
void disegna_rallentamenti(tela& d) {
  const scenario_compatto& s = d.s;
  for (std::int32_t i = 0; i < static_cast<std::int32_t>(s.percorso.size()); ++i) {
    if (s.percorso[static_cast<std::size_t>(i)].tipo != cella_inizio_rallentamento) continue;
    std::int32_t j = i + 1;
    while (j + 1 < static_cast<std::int32_t>(s.percorso.size()) &&
           s.percorso[static_cast<std::size_t>(j)].tipo != cella_fine_rallentamento)
      ++j;
    if (metri_di_cella(j) < d.da || metri_di_cella(i) > d.a) continue;
    const double x0 = std::max(d.x(i * metri_cella_reale), sx),
                 x1 = std::min(d.x(j * metri_cella_reale + metri_cella), destra);
    const double w = std::max(x1 - x0, 3.0);
    const std::string km_h = std::to_string(s.percorso[static_cast<std::size_t>(i)].valore_1) + " km/h";
    d.svg += "<rect class=\"rallentamento\" x=\"" + n1(x0) + "\" y=\"" + n1(pendenza_alto) + "\" width=\"" + n1(w) +
             "\" height=\"" + n1(basso_bande - pendenza_alto) +
             "\" fill=\"#f90\" opacity=\"0.45\"><title>rallentamento a " + km_h + "</title></rect>\n";
    const double tx = std::clamp(x0 + w / 2, sx + 30, destra - 30);
    if (d.occupato.libero(riquadro_testo(tx, rallentamenti_alto, 11, "middle", km_h)))
      d.testo(tx, rallentamenti_alto, km_h, 11, "middle",
              " class=\"velocita_rallentamento\" font-weight=\"bold\" fill=\"#b60\"");
  }
}

// Past the end of the line: a grey band, named where the name fits.
void disegna_oltre_fine(tela& d) {
  const std::int32_t lunghezza = fine_linea(d.s);
  if (d.a <= lunghezza) return;
  const double x0 = std::max(d.x(lunghezza), sx);
  d.svg += "<rect class=\"oltre_fine\" x=\"" + n1(x0) + "\" y=\"" + n1(pendenza_alto) + "\" width=\"" +
           n1(destra - x0) + "\" height=\"" + n1(basso_bande - pendenza_alto) + "\" fill=\"#000\" opacity=\"0.07\"/>\n";
  const std::string t = "oltre la fine della linea";
  if (d.occupato.libero(riquadro_testo(x0 + 4, pendenza_alto + 14, 11, "start", t)) &&
      x0 + 4 + larghezza_testo(t, 11) < destra)
    d.testo(x0 + 4, pendenza_alto + 14, t, 11, "start", " fill=\"#555\"");
}

// The gradient and the line speed, each on its own scale: the gradient's
// symmetric around 0, the speed's from 0, both round. The last three cells
// are never filled (they read as 0) and do not set the scales.
void disegna_profili(tela& d) {
  const celle_tratto c = celle_del_tratto(d);
  const std::int32_t ultimo_pieno = std::min(c.ultimo, static_cast<std::int32_t>(d.s.percorso.size()) - 4);
  double pmin = 0, pmax = 0, vmax = 50;
  for (std::int32_t i = c.primo; i <= ultimo_pieno; ++i) {
    const cella& x = d.s.percorso[static_cast<std::size_t>(i)];
    pmin = std::min(pmin, static_cast<double>(pendenza_per_mille(x)));
    pmax = std::max(pmax, static_cast<double>(pendenza_per_mille(x)));
    vmax = std::max(vmax, static_cast<double>(velocita_km_h(x)));
  }
  const double ampiezza = std::max({std::abs(pmin), std::abs(pmax), 5.0});
  const double margine_p = passo_tondo(2 * ampiezza, 4);
  const double p_basso = -std::ceil(ampiezza / margine_p) * margine_p, p_alto = -p_basso;
  const double v_alto = std::ceil((vmax + 10) / 50) * 50;
  asse_verticale(d, pendenza_alto, pendenza_altezza, p_basso, p_alto, "Pendenza (\xE2\x80\xB0)");
  gradini(
      d, "pendenza", "#06c", [](const cella& x) { return static_cast<double>(pendenza_per_mille(x)); }, p_basso, p_alto,
      pendenza_alto, pendenza_altezza);
  asse_verticale(d, velocita_alto, velocita_altezza, 0, v_alto, "Velocit\xC3\xA0 massima della linea (km/h)");
  gradini(
      d, "velocita", "#090", [](const cella& x) { return static_cast<double>(velocita_km_h(x)); }, 0, v_alto,
      velocita_alto, velocita_altezza);
}

// Station names in rows above the profiles, with a leader line down to the
// axis; a name that finds no row keeps a faint line and is counted.
void disegna_nomi_profilo(tela& d) {
  d.testo(sx - 6, nomi_alto + 12, "Stazioni", 11, "end", " font-weight=\"bold\"");
  for (int k : stazioni_per_importanza(d.s)) {
    const stazione& st = d.s.stazioni[static_cast<std::size_t>(k)];
    if (st.progressiva < d.da || st.progressiva > d.a) continue;
    const double px = d.x(st.progressiva);
    const std::string nome = utf8_da_1252(st.nome);
    bool messo = false;
    for (int r = 0; r < nomi_righe && !messo; ++r) {
      const double ty = nomi_alto + 12 + r * nomi_passo;
      double tx = px;
      const double w = larghezza_testo(nome, corpo_nomi);
      tx = std::clamp(tx, sx + w / 2 + 2, destra - w / 2);
      const riquadro q = riquadro_testo(tx, ty, corpo_nomi, "middle", nome);
      if (!d.occupato.libero(con_margine(q, 4))) continue;
      d.linea(px, ty + 3, px, asse_alto,
              std::string("class=\"stazione\" stroke=\"#c00\" stroke-width=\"0.8\" stroke-dasharray=\"") +
                  (st.orario ? "4,2" : "1,3") + "\"");
      d.testo(tx, ty, nome, corpo_nomi, "middle",
              std::string(" class=\"nome_stazione\"") + (st.orario ? " font-weight=\"bold\"" : ""));
      messo = true;
    }
    if (!messo) {
      d.linea(px, nomi_alto + nomi_righe * nomi_passo, px, asse_alto,
              "class=\"stazione\" stroke=\"#c00\" stroke-width=\"0.5\" stroke-dasharray=\"1,3\"");
      ++d.omessi_profilo;
    }
  }
}

// The rows of signals, code points and speed boards; returns what the
// legend says of dense rows, empty when every row shows marks.
std::string disegna_righe_oggetti(tela& d) {
  const celle_tratto c = celle_del_tratto(d);
  std::vector<std::int32_t> segnali, codici, cartelli;
  for (std::int32_t i = c.primo; i <= c.ultimo; ++i) {
    const std::uint8_t t = d.s.percorso[static_cast<std::size_t>(i)].tipo;
    if (t == cella_segnale)
      segnali.push_back(i * metri_cella);
    else if (t == cella_codice || t == cella_codice_senza_valore)
      codici.push_back(i * metri_cella);
    else if (t == cella_indicatore_vmax)
      cartelli.push_back(i * metri_cella);
  }
  std::string spiegazione;
  riga_oggetti(d, righe_alto, "segnali", segnali, "#000", "segnale", spiegazione);
  riga_oggetti(d, righe_alto + riga_altezza, "punti codice", codici, "#909", "codice", spiegazione);
  riga_oggetti(d, righe_alto + 2 * riga_altezza, "cartelli vmax", cartelli, "#060", "cartello_vmax", spiegazione);
  return spiegazione;
}

// The km axis: ticks twice the widest round step under 90 px apart (at least
// 100 m), each with its km and, below, its kilometre post.
void disegna_asse_km(tela& d, double metri_per_px) {
  const double y = asse_alto;
  d.linea(sx, y, destra, y, "stroke=\"#000\"");
  std::int32_t passo = 50;
  for (std::int32_t m : {50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000, 50000, 100000})
    if (m / metri_per_px < 90)
      passo = m;
    else
      break;
  passo = std::max(passo * 2, 100);
  d.testo(sx - 18, y + 33, "pk", 9, "end", " fill=\"#666\"");
  for (std::int32_t m = (d.da + passo - 1) / passo * passo; m <= d.a; m += passo) {
    d.linea(d.x(m), y, d.x(m), y + 6, "stroke=\"#000\"");
    d.testo(d.x(m), y + 20, km(m), 10, "middle");
    // A post is wider than its km: one that would touch a neighbour is left out.
    const std::string punto = pk(d.s, m);
    if (d.occupato.libero(con_margine(riquadro_testo(d.x(m), y + 33, 9, "middle", punto), 2)))
      d.testo(d.x(m), y + 33, punto, 9, "middle", " class=\"pk\" fill=\"#666\"");
  }
}

// On a short stretch (a cell 6 px or wider) the cell borders over the rows
// and the axis, and the cell numbers about every 40 px where they fit.
void disegna_celle(tela& d, double metri_per_px) {
  if (metri_cella / metri_per_px < 6) return;
  const double y = asse_alto;
  const std::int32_t ogni =
      std::max<std::int32_t>(1, static_cast<std::int32_t>(std::ceil(40 * metri_per_px / metri_cella)));
  for (std::int32_t i = (d.da + metri_cella - 1) / metri_cella; metri_di_cella(i) <= d.a; ++i) {
    d.linea(d.x(metri_di_cella(i)), righe_alto, d.x(metri_di_cella(i)), y,
            "class=\"bordo_cella\" stroke=\"#bbb\" stroke-width=\"0.5\"");
    if (i % ogni == 0 && metri_di_cella(i) + metri_cella / 2 < d.a) {
      const riquadro q =
          riquadro_testo(d.x(metri_di_cella(i) + metri_cella / 2), y - 4, 9, "middle", std::to_string(i));
      if (d.occupato.libero(q))
        d.testo(d.x(metri_di_cella(i) + metri_cella / 2), y - 4, std::to_string(i), 9, "middle", " fill=\"#666\"");
    }
  }
  d.testo(sx - 6, y - 4, "cella", 9, "end", " fill=\"#666\"");
}
}  // namespace

// The steps' order is the order of the SVG's elements, and a label placed
// earlier keeps its room against later ones: keep it.
std::string disegno_svg(const scenario_compatto& s, tratto_disegno tratto) {
  if (s.percorso.empty())
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"/>\n";
  const tratto_disegno t = tratto_in_celle(s, tratto);
  tela d{s, t.da_m, t.a_m, {}, {}, {}, 0, 0};
  apri_svg(d);
  disegna_mappa(d);
  disegna_rallentamenti(d);
  disegna_oltre_fine(d);
  disegna_profili(d);
  disegna_nomi_profilo(d);
  const std::string spiegazione = disegna_righe_oggetti(d);
  const double metri_per_px = (d.a - d.da) / (destra - sx);
  disegna_asse_km(d, metri_per_px);
  disegna_celle(d, metri_per_px);
  d.testo((sx + destra) / 2, asse_alto + 52, "progressiva (km) e, sotto, punto chilometrico come sui cartelli", 12,
          "middle");
  legenda(d, spiegazione);
  d.svg += "</svg>\n";
  return d.svg;
}
