#include "scenario/rapporto_scenario.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "model/form1.h"
#include "scenario/da_1252.h"
#include "scenario/tipi_cella.h"

namespace {
// A board's speed pair: first speed in whole fifths of 100, second in fifths.
nodo coppia_velocita(std::int16_t v) {
  nodo n;
  const std::int32_t x = v;
  n.metti("prima", static_cast<std::int64_t>(x / 20)).metti("seconda", static_cast<std::int64_t>((x % 20) * 5));
  return n;
}

nodo valori_oggetto(const scenario_compatto& s, const cella& c) {
  nodo n;
  switch (c.tipo) {
    case cella_segnale:
      n.metti("valore_1", c.valore_1).metti("valore_2", c.valore_2).metti("valore_3", c.valore_3);
      n.metti("aspetto", c.valore_4).metti("valore_segnale", c.valore_5);
      break;
    case cella_fine_rallentamento:
    case cella_inizio_rallentamento:
      n.metti("velocita", c.valore_1).metti("valore_2", c.valore_2).metti("valore_3", c.valore_3);
      break;
    case cella_avviso_rallentamento:
      n.metti("velocita", c.valore_1).metti("valore_2", c.valore_2);
      break;
    case cella_tavola_distanziometrica:
      n.metti("valore_1", c.valore_1).metti("valore_2", c.valore_2);
      break;
    case cella_indicatore_vmax:
      n.metti("velocita_1", coppia_velocita(c.valore_1)).metti("velocita_2", coppia_velocita(c.valore_2));
      n.metti("velocita_3", coppia_velocita(c.valore_3));
      n.metti("codice_1", static_cast<std::int64_t>(static_cast<std::uint16_t>(c.valore_4) / 10));
      n.metti("codice_2", static_cast<std::int64_t>(static_cast<std::uint16_t>(c.valore_4) % 10));
      break;
    case cella_fine_stazione:
    case cella_cartello_indicatore: {
      n.metti(c.tipo == cella_fine_stazione ? "stazione" : "voce", c.valore_1);
      // The index comes from the file: only a real entry is looked up.
      if (c.valore_1 >= 0 && c.valore_1 < numero_stazioni)
        n.metti("testo", utf8_da_1252(s.stazioni[static_cast<std::size_t>(c.valore_1)].nome));
      else
        n.metti("testo", std::string("(indice fuori tabella)"));
      break;
    }
    case cella_codice:
      n.metti("codice", c.valore_1);
      break;
    default:
      break;
  }
  return n;
}

nodo generali(const scenario_compatto& s) {
  const auto& v = s.stazioni;
  nodo g;
  g.metti("lunghezza_linea_m", v[voce_treno_linea].fine);
  nodo serie = nodo::lista();
  for (int k = voce_progressiva_tre; k <= voce_progressiva_uno; ++k) {
    nodo x;
    x.metti("voce", k).metti("inizio", v[static_cast<std::size_t>(k)].inizio);
    x.metti("riferimento", v[static_cast<std::size_t>(k)].fine).metti("flag", v[static_cast<std::size_t>(k)].progressiva);
    serie.elementi.push_back(x);
  }
  g.metti("serie_chilometriche", serie);
  const stazione& sf = v[voce_sfondo];
  g.metti("sfondo", nodo().metti("uno", sf.inizio).metti("due", sf.progressiva).metti("tre", sf.fine));
  const stazione& r = v[voce_ripetizione];
  g.metti("ripetizione_segnali", nodo().metti("inizio", r.inizio).metti("fine", r.fine).metti("codici", r.progressiva));
  g.metti("treno", nodo()
                       .metti("numero", utf8_da_1252(r.nome))
                       .metti("massa_frenata_percento", v[voce_treno_linea].inizio)
                       .metti("carri", v[voce_treno_linea].progressiva)
                       .metti("sabbia", r.campo_7));
  char orologio[32];
  std::snprintf(orologio, sizeof orologio, "%02d:%02d:%02d", r.campo_9, r.campo_10, r.campo_11);
  g.metti("orologio", std::string(orologio));
  nodo marchi;
  marchi.metti("percorso", utf8_da_1252(sf.nome)).metti("marchio_scenario", sf.campo_7);
  marchi.metti("codice_scenario", sf.orario);
  if (s.percorso.size() > 1) marchi.metti("marchio_cella_1", s.percorso[1].valore_1).metti("codice_cella_1", s.percorso[1].valore_2);
  g.metti("marchi_e_codici", marchi);
  return g;
}
}  // namespace

std::string ore_minuti_secondi(std::int32_t secondi) {
  const std::int64_t t = secondi;
  const std::int64_t a = t < 0 ? -t : t;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%s%02lld:%02lld:%02lld", t < 0 ? "-" : "", static_cast<long long>(a / 3600),
                static_cast<long long>(a / 60 % 60), static_cast<long long>(a % 60));
  return buf;
}

nodo rapporto_scenario(const scenario_compatto& s) {
  nodo r;
  r.metti("percorso", utf8_da_1252(s.nome_percorso)).metti("treno", utf8_da_1252(s.numero_treno));
  r.metti("generali", generali(s));
  nodo stazioni = nodo::lista();
  for (int k = 1; k < voce_progressiva_tre; ++k) {
    const stazione& x = s.stazioni[static_cast<std::size_t>(k)];
    if (x.tipo == 0 && x.inizio == 0 && x.fine == 0 && x.progressiva == 0) continue;
    nodo n;
    n.metti("voce", k).metti("nome", utf8_da_1252(x.nome)).metti("tipo", x.tipo);
    n.metti("inizio", x.inizio).metti("fine", x.fine).metti("progressiva", x.progressiva);
    n.metti("orario", ore_minuti_secondi(x.orario));
    stazioni.elementi.push_back(n);
  }
  r.metti("stazioni", stazioni);
  nodo oggetti = nodo::lista();
  std::int64_t segni_montagna = 0;
  for (std::size_t i = 0; i < s.percorso.size(); ++i) {
    const cella& c = s.percorso[i];
    if (c.tipo == cella_segno_montagna) ++segni_montagna;
    if (c.tipo == cella_vuota || c.tipo == cella_segno_montagna) continue;
    nodo n;
    n.metti("cella", static_cast<std::int64_t>(i)).metti("progressiva", static_cast<std::int64_t>(i) * 50);
    n.metti("tipo", c.tipo).metti("oggetto", nome_tipo_cella(c.tipo));
    nodo valori = valori_oggetto(s, c);
    for (std::size_t k = 0; k < valori.chiavi.size(); ++k) n.metti(std::move(valori.chiavi[k]), std::move(valori.elementi[k]));
    oggetti.elementi.push_back(n);
  }
  r.metti("celle", static_cast<std::int64_t>(s.percorso.size()));
  r.metti("segni_montagna", segni_montagna);
  r.metti("oggetti", oggetti);
  r.metti("punti_planimetria", s.piano ? static_cast<std::int64_t>(s.piano->punti()) : 0);
  return r;
}

void scrivi_csv_piano(std::ostream& out, const tabella_piano& piano) {
  out << "metre,x,y,heading_deg,radius_m\n";
  const std::int32_t ultimo = piano.ultimo_metro();
  char buf[160];
  for (std::int32_t m = 0; m <= ultimo; ++m) {
    const double x = piano(m, 0).numero(), y = piano(m, 1).numero();
    std::string direzione, raggio;
    if (m < ultimo) {
      const double dx = piano(m + 1, 0).numero() - x, dy = piano(m + 1, 1).numero() - y;
      std::snprintf(buf, sizeof buf, "%.4f", std::atan2(dy, dx) * 180.0 / std::numbers::pi);
      direzione = buf;
    }
    // Radius of the circle through the points before, at and after this metre.
    if (m > 0 && m < ultimo) {
      const double ax = piano(m - 1, 0).numero(), ay = piano(m - 1, 1).numero();
      const double bx = piano(m + 1, 0).numero(), by = piano(m + 1, 1).numero();
      const double croce = (x - ax) * (by - y) - (y - ay) * (bx - x);
      const double a = std::hypot(x - ax, y - ay), b = std::hypot(bx - x, by - y), c = std::hypot(bx - ax, by - ay);
      if (std::fabs(croce) > 1e-9) {
        std::snprintf(buf, sizeof buf, "%.1f", a * b * c / (2.0 * std::fabs(croce)));
        raggio = buf;
      }
    }
    std::snprintf(buf, sizeof buf, "%d,%.4f,%.4f,", m, x, y);
    out << buf << direzione << ',' << raggio << '\n';
  }
}
