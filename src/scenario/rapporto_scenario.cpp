#include "scenario/rapporto_scenario.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "compiler/memo_indicatori_v_max.h"
#include "compiler/memo_rallentamento.h"
#include "compiler/memo_segnale.h"
#include "compiler/nearest.h"
#include "model/form1.h"
#include "scenario/da_1252.h"
#include "scenario/tipi_cella.h"

namespace {
constexpr std::int32_t metri_cella = 50;

std::string metri(std::int64_t m) { return std::to_string(m) + " m"; }

// "cella 70 (3500-3550 m)"
std::string cella_e_tratto(std::int64_t i) {
  return "cella " + std::to_string(i) + " (" + std::to_string(i * metri_cella) + "-" +
         std::to_string((i + 1) * metri_cella) + " m)";
}

// Which record of the sources put an object into a cell, and as what part of it.
struct origine_cella {
  const record_sorgente* r = nullptr;
  std::uint8_t tipo = 0;  // the kind the record puts there
  int tavola = 0;         // a slowdown's distance board: 1 next to the warning sign, 4 farthest
};

// Every cell a record of the sources fills with a point object, computed with
// the compiler's own rules. The first record to claim a cell keeps it, as
// the compiler refuses a second object on a taken cell.
std::vector<origine_cella> origini(const scenario_compatto& s, const indice_sorgenti& ind) {
  std::vector<origine_cella> o(s.percorso.size());
  // A station's end marker is written whatever the cell held: it claims the cell over an earlier record.
  auto metti = [&](std::int64_t i, const record_sorgente& r, std::uint8_t tipo, int tavola = 0) {
    if (i < 0 || i >= static_cast<std::int64_t>(o.size())) return;
    if (o[static_cast<std::size_t>(i)].r && tipo != cella_fine_stazione) return;
    o[static_cast<std::size_t>(i)] = {&r, tipo, tavola};
  };
  int stazione = 0;
  for (const record_sorgente& r : ind.record) {
    const std::int32_t p = r.numeri.empty() ? 0 : r.numeri[0];
    switch (r.genere) {
      case genere_record::indicatori_vmax: metti(cella_di_oggetto(p), r, cella_indicatore_vmax); break;
      case genere_record::cartello: metti(cella_di_oggetto(p), r, cella_cartello_indicatore); break;
      case genere_record::segnale: metti(cella_di_punto(p), r, cella_segnale); break;
      case genere_record::abbattimento:
        metti(nearest(p / 50.0), r, r.numeri[1] > 0 ? cella_codice : cella_codice_senza_valore);
        break;
      case genere_record::rallentamento: {
        const celle_rallentamento c = celle_di_rallentamento(p, r.numeri[2]);
        if (con_avviso(p)) metti(c.avviso, r, cella_avviso_rallentamento);
        metti(c.inizio, r, cella_inizio_rallentamento);
        metti(c.fine, r, cella_fine_rallentamento);
        if (con_avviso(p) && r.numeri[4] != 0)
          for (int n = 0; n < 4; ++n) metti(c.tavola - n, r, cella_tavola_distanziometrica, n + 1);
        break;
      }
      case genere_record::stazione: {
        // The end marker lies at the end of the station's area, which the
        // scenario file keeps: entry k is the k-th station record.
        ++stazione;
        if (stazione >= voce_progressiva_tre || r.numeri[1] >= 25) break;
        metti(s.stazioni[static_cast<std::size_t>(stazione)].fine / metri_cella - 1, r, cella_fine_stazione);
        break;
      }
      default: break;
    }
  }
  return o;
}

std::string file_di(const record_sorgente& r, const indice_sorgenti& ind) {
  return r.nel_treno ? ind.treno.nome : ind.linea.nome;
}

nodo sorgente_di(const record_sorgente& r, const indice_sorgenti& ind) {
  return nodo().metti("file", file_di(r, ind)).metti("riga", static_cast<std::int64_t>(r.riga));
}

// What the object is, said with the progressive the author wrote.
std::string cosa_scritto(const cella& c, const origine_cella& o, const scenario_compatto& s) {
  const record_sorgente& r = *o.r;
  const std::int32_t p = r.numeri[0];
  switch (c.tipo) {
    case cella_avviso_rallentamento:
      return "avviso del rallentamento a " + metri(p) + " (1200 m prima)";
    case cella_inizio_rallentamento:
      return "inizio del rallentamento a " + metri(p);
    case cella_fine_rallentamento:
      return "fine del rallentamento a " + metri(p) + " lungo " + metri(r.numeri[2]) + " (a " +
             metri(std::int64_t{p} + r.numeri[2]) + ")";
    case cella_tavola_distanziometrica:
      return "tavola distanziometrica " + std::to_string(o.tavola) + " del rallentamento a " + metri(p);
    case cella_fine_stazione: {
      const stazione& st = s.stazioni[static_cast<std::size_t>(c.valore_1 > 0 && c.valore_1 < voce_progressiva_tre ? c.valore_1 : 0)];
      return "fine della stazione " + utf8_da_1252(st.nome) + " (stazione a " + metri(p) + ", area " +
             std::to_string(st.inizio) + "-" + std::to_string(st.fine) + " m)";
    }
    case cella_codice:
      if (r.numeri[1] != c.valore_1)
        return nome_tipo_cella(c.tipo) + " a " + metri(p) + ", codice scritto " + std::to_string(r.numeri[1]) +
               " abbassato a " + std::to_string(c.valore_1) + " dal controllo dei codici";
      return nome_tipo_cella(c.tipo) + " a " + metri(p);
    default:
      return nome_tipo_cella(c.tipo) + " a " + metri(p);
  }
}

// The code check of the compiler places code points of its own, with code
// 180, in front of slowdowns: no record writes them.
bool codice_del_controllo(const cella& c) { return c.tipo == cella_codice && c.valore_1 == 180; }

nodo valori_oggetto(const scenario_compatto& s, const cella& c) {
  nodo n;
  switch (c.tipo) {
    case cella_segnale:
      n.metti("valore_1", c.valore_1).metti("valore_2", c.valore_2).metti("valore_3", c.valore_3);
      n.metti("valore_4", c.valore_4).metti("valore_5", c.valore_5);
      break;
    case cella_fine_rallentamento:
    case cella_inizio_rallentamento:
      n.metti("velocita_kmh", c.valore_1).metti("valore_2", c.valore_2).metti("valore_3", c.valore_3);
      break;
    case cella_avviso_rallentamento:
      n.metti("velocita_kmh", c.valore_1).metti("valore_2", c.valore_2);
      break;
    case cella_tavola_distanziometrica:
      n.metti("numero", c.valore_1).metti("valore_2", c.valore_2);
      break;
    case cella_indicatore_vmax: {
      const std::int16_t parole[] = {c.valore_1, c.valore_2, c.valore_3};
      for (int k = 0; k < 3; ++k) {
        const coppia_vmax v = decodifica_coppia_vmax(parole[k]);
        n.metti("velocita_" + std::to_string(k + 1),
                nodo().metti("prima_kmh", v.prima).metti("seconda_kmh", v.seconda).metti("parola", parole[k]));
      }
      const auto codici = static_cast<std::uint16_t>(c.valore_4);
      n.metti("codice_1", static_cast<std::int64_t>(codici / 10)).metti("codice_2", static_cast<std::int64_t>(codici % 10));
      break;
    }
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

// The values of the cells in metres: a speed in km/h, a gradient in per
// mille, an adhesion as stored.
using valore_cella = std::int64_t (*)(const cella&);
std::int64_t velocita_di(const cella& c) { return c.velocita * 5; }
std::int64_t pendenza_di(const cella& c) { return std::int64_t{c.pendenza} - 100; }
std::int64_t aderenza_di(const cella& c) { return c.aderenza; }

nodo tratto(std::int64_t da, std::int64_t a, std::int64_t valore) {
  return nodo().metti("da_m", da).metti("a_m", a).metti("valore", valore);
}

// A profile from the author's records: each value from its progressive to the
// next record's, the last to the end of the line; where the cells hold
// another value than the one written (a speed rounded to 5 km/h, an adhesion
// kept to 8 bits) that value is shown beside it.
nodo profilo_scritto(const scenario_compatto& s, const indice_sorgenti& ind, genere_record g, valore_cella in_cella,
                     std::int32_t lunghezza) {
  std::vector<const record_sorgente*> rr;
  for (const record_sorgente& r : ind.record)
    if (r.genere == g) rr.push_back(&r);
  nodo tratti = nodo::lista();
  for (std::size_t k = 0; k < rr.size(); ++k) {
    const std::int32_t da = rr[k]->numeri[0];
    const std::int32_t a = k + 1 < rr.size() ? rr[k + 1]->numeri[0] : lunghezza;
    nodo t = tratto(da, a, rr[k]->numeri[1]);
    const std::int64_t i = nearest(da / 50.0);
    if (i >= 0 && i < static_cast<std::int64_t>(s.percorso.size())) {
      const std::int64_t v = in_cella(s.percorso[static_cast<std::size_t>(i)]);
      if (v != rr[k]->numeri[1]) t.metti("nelle_celle", v);
    }
    t.metti("sorgente", sorgente_di(*rr[k], ind));
    tratti.elementi.push_back(t);
  }
  return tratti;
}

// A profile from the cells alone: runs of one value, in 50 m steps, over the
// cells of the line.
nodo profilo_celle(const scenario_compatto& s, valore_cella in_cella, std::int32_t lunghezza) {
  nodo tratti = nodo::lista();
  const std::size_t celle = std::min(s.percorso.size(), static_cast<std::size_t>(std::max(lunghezza, 0) / metri_cella));
  std::size_t inizio = 0;
  for (std::size_t i = 1; i <= celle; ++i) {
    if (i < celle && in_cella(s.percorso[i]) == in_cella(s.percorso[inizio])) continue;
    tratti.elementi.push_back(tratto(static_cast<std::int64_t>(inizio) * metri_cella,
                                     static_cast<std::int64_t>(i) * metri_cella, in_cella(s.percorso[inizio])));
    inizio = i;
  }
  return tratti;
}

nodo profili(const scenario_compatto& s, const indice_sorgenti& ind, std::int32_t lunghezza) {
  struct voce {
    const char* nome;
    const char* unita;
    genere_record genere;
    bool nel_treno;
    valore_cella in_cella;
  };
  const voce voci[] = {
      {"velocita", "km/h", genere_record::velocita, true, velocita_di},
      {"pendenza", "per mille", genere_record::pendenza, false, pendenza_di},
      {"aderenza", "valore di aderenza", genere_record::aderenza, true, aderenza_di},
  };
  nodo p;
  for (const voce& v : voci) {
    const bool scritto = v.nel_treno ? ind.treno.presente : ind.linea.presente;
    nodo n;
    n.metti("unita", std::string(v.unita));
    n.metti("fonte", std::string(scritto ? "sorgente" : "celle"));
    n.metti("tratti", scritto ? profilo_scritto(s, ind, v.genere, v.in_cella, lunghezza) : profilo_celle(s, v.in_cella, lunghezza));
    p.metti(v.nome, n);
  }
  return p;
}

nodo serie_chilometriche(const scenario_compatto& s) {
  nodo serie = nodo::lista();
  for (int k = voce_progressiva_tre; k <= voce_progressiva_uno; ++k) {
    const stazione& v = s.stazioni[static_cast<std::size_t>(k)];
    nodo x;
    x.metti("voce", k).metti("inizio", v.inizio).metti("riferimento", v.fine).metti("flag", v.progressiva);
    // A flag of 1 moves the written reference on by 100 m when the series are sorted.
    if (v.progressiva == 1) {
      const std::int64_t scritto = std::int64_t{v.fine} - 100;
      x.metti("riferimento_scritto", scritto);
      x.metti("spiegazione", std::to_string(v.fine) + " = " + std::to_string(scritto) + " + 100");
    } else {
      x.metti("riferimento_scritto", v.fine);
      x.metti("spiegazione", std::to_string(v.fine) + " come scritto");
    }
    serie.elementi.push_back(x);
  }
  return serie;
}

nodo generali(const scenario_compatto& s) {
  const auto& v = s.stazioni;
  nodo g;
  g.metti("lunghezza_linea_m", v[voce_treno_linea].fine);
  g.metti("serie_chilometriche", serie_chilometriche(s));
  const stazione& sf = v[voce_sfondo];
  g.metti("sfondo", nodo().metti("uno", sf.inizio).metti("due", sf.progressiva).metti("tre", sf.fine));
  const stazione& r = v[voce_ripetizione];
  g.metti("ripetizione_segnali", nodo().metti("inizio_m", r.inizio).metti("fine_m", r.fine).metti("codici", r.progressiva));
  g.metti("treno", nodo()
                       .metti("numero", utf8_da_1252(r.nome))
                       .metti("massa_frenata_percento", v[voce_treno_linea].inizio)
                       .metti("vetture", v[voce_treno_linea].progressiva)
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

nodo stato_sorgente(const sorgente_letta& f) {
  nodo n;
  n.metti("file", f.nome).metti("presente", std::string(f.presente ? "si" : "no"));
  if (f.riga_interrotta) n.metti("letta_fino_alla_riga", static_cast<std::int64_t>(f.riga_interrotta));
  return n;
}

nodo stazioni(const scenario_compatto& s, const indice_sorgenti& ind) {
  std::vector<const record_sorgente*> record;
  for (const record_sorgente& r : ind.record)
    if (r.genere == genere_record::stazione) record.push_back(&r);
  nodo lista = nodo::lista();
  for (int k = 1; k < voce_progressiva_tre; ++k) {
    const stazione& x = s.stazioni[static_cast<std::size_t>(k)];
    if (x.tipo == 0 && x.inizio == 0 && x.fine == 0 && x.progressiva == 0) continue;
    nodo n;
    n.metti("voce", k).metti("nome", utf8_da_1252(x.nome)).metti("tipo", x.tipo);
    n.metti("progressiva", x.progressiva).metti("inizio", x.inizio).metti("fine", x.fine);
    n.metti("orario", ore_minuti_secondi(x.orario));
    if (x.tipo < 25) n.metti("cella_fine", x.fine / metri_cella - 1);
    if (static_cast<std::size_t>(k) <= record.size()) n.metti("sorgente", sorgente_di(*record[static_cast<std::size_t>(k - 1)], ind));
    lista.elementi.push_back(n);
  }
  return lista;
}
}  // namespace

coppia_vmax decodifica_coppia_vmax(std::int16_t parola) {
  // Floor division, so a negative word (a negative speed written) decodes too.
  const std::int32_t v = parola;
  std::int32_t centinaia = v / 100, resto = v % 100;
  if (resto < 0) {
    resto += 100;
    --centinaia;
  }
  return {centinaia * 5, resto * 5};
}

std::string ore_minuti_secondi(std::int32_t secondi) {
  const std::int64_t t = secondi;
  const std::int64_t a = t < 0 ? -t : t;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%s%02lld:%02lld:%02lld", t < 0 ? "-" : "", static_cast<long long>(a / 3600),
                static_cast<long long>(a / 60 % 60), static_cast<long long>(a % 60));
  return buf;
}

nodo rapporto_scenario(const scenario_compatto& s, const indice_sorgenti& ind) {
  nodo r;
  r.metti("percorso", utf8_da_1252(s.nome_percorso)).metti("treno", utf8_da_1252(s.numero_treno));
  const std::int32_t lunghezza = s.stazioni[voce_treno_linea].fine;
  r.metti("generali", generali(s));
  r.metti("sorgenti", nodo().metti("linea", stato_sorgente(ind.linea)).metti("treno", stato_sorgente(ind.treno)));
  r.metti("stazioni", stazioni(s, ind));
  r.metti("profili", profili(s, ind, lunghezza));

  const std::vector<origine_cella> da_sorgente = origini(s, ind);
  nodo oggetti = nodo::lista();
  nodo discordanze = nodo::lista();
  std::int64_t per_tipo[256] = {};
  for (std::size_t i = 0; i < s.percorso.size(); ++i) {
    const cella& c = s.percorso[i];
    const origine_cella& o = da_sorgente[i];
    ++per_tipo[c.tipo];
    const bool scritto = o.r && o.tipo == c.tipo;
    if (o.r && !scritto)
      discordanze.elementi.push_back(nodo::di_testo(
          cella_e_tratto(static_cast<std::int64_t>(i)) + ": " + file_di(*o.r, ind) + " riga " + std::to_string(o.r->riga) +
          " vi mette " + tipo_cella_con_articolo(o.tipo) + ", i file compatti hanno " +
          (cella_libera(c) ? std::string("una cella libera") : tipo_cella_con_articolo(c.tipo))));
    if (cella_libera(c)) continue;
    nodo n;
    n.metti("cella", static_cast<std::int64_t>(i));
    n.metti("da_m", static_cast<std::int64_t>(i) * metri_cella).metti("a_m", static_cast<std::int64_t>(i + 1) * metri_cella);
    n.metti("tipo", c.tipo).metti("oggetto", nome_tipo_cella(c.tipo));
    std::string descrizione = cella_e_tratto(static_cast<std::int64_t>(i)) + ", ";
    if (scritto) {
      n.metti("progressiva_scritta", o.r->numeri[0]);
      n.metti("sorgente", sorgente_di(*o.r, ind));
      nodo numeri = nodo::lista();
      for (std::int32_t v : o.r->numeri) numeri.elementi.push_back(nodo::di_numero(v));
      n.metti("numeri_scritti", numeri);
      descrizione += cosa_scritto(c, o, s) + " (" + file_di(*o.r, ind) + " riga " + std::to_string(o.r->riga) + ")";
    } else if (!o.r && !ind.vuoto() && codice_del_controllo(c)) {
      n.metti("messo_da", std::string("controllo dei codici"));
      descrizione += nome_tipo_cella(c.tipo) + " messo dal controllo dei codici davanti a un rallentamento (nessun record lo scrive)";
    } else {
      descrizione += nome_tipo_cella(c.tipo) + ": solo la cella \xC3\xA8 nota" +
                     std::string(ind.vuoto() ? " (sorgenti non trovate)" : " (nessun record delle sorgenti la riempie)");
      if (!ind.vuoto())
        discordanze.elementi.push_back(nodo::di_testo(cella_e_tratto(static_cast<std::int64_t>(i)) + ": " +
                                                      tipo_cella_con_articolo(c.tipo) + " che nessun record delle sorgenti mette qui"));
    }
    n.metti("descrizione", descrizione);
    n.metti("valori", valori_oggetto(s, c));
    oggetti.elementi.push_back(n);
  }

  nodo celle;
  celle.metti("numero", static_cast<std::int64_t>(s.percorso.size())).metti("metri_per_cella", std::int64_t{metri_cella});
  celle.metti("celle_della_linea", static_cast<std::int64_t>(std::max(lunghezza, 0) / metri_cella));
  nodo tipi = nodo::lista();
  for (int t = 0; t < 256; ++t)
    if (per_tipo[t] && t != cella_vuota)
      tipi.elementi.push_back(nodo().metti("tipo", t).metti("nome", nome_tipo_cella(static_cast<std::uint8_t>(t))).metti("quante", per_tipo[t]));
  celle.metti("per_tipo", tipi);
  r.metti("celle", celle);
  r.metti("oggetti", oggetti);
  if (!ind.vuoto()) {
    // Sources of another scenario would disagree everywhere: the first ones say enough.
    constexpr std::size_t mostrate = 100;
    r.metti("numero_discordanze", static_cast<std::int64_t>(discordanze.elementi.size()));
    if (discordanze.elementi.size() > mostrate) discordanze.elementi.resize(mostrate);
    r.metti("discordanze_con_le_sorgenti", discordanze);
  }
  nodo piano;
  piano.metti("presente", std::string(s.piano ? "si" : "no"));
  if (s.piano) piano.metti("punti", static_cast<std::int64_t>(s.piano->colonne[0].size()));
  r.metti("planimetria", piano);
  return r;
}

void scrivi_csv_piano(std::ostream& out, const tabella_piano& piano, std::int32_t lunghezza_linea) {
  out << "metro,x,y,direzione_gradi,raggio_m,tratto\n";
  const std::int32_t ultimo = piano.ultimo_metro();
  auto pieno = [&](std::int32_t m) { return m >= 0 && m <= ultimo && piano(m, 0).tag != tag_piano::vuoto && piano(m, 1).tag != tag_piano::vuoto; };
  char buf[160];
  for (std::int32_t m = 0; m <= ultimo; ++m) {
    if (!pieno(m)) {
      out << m << ",,,,,vuoto\n";
      continue;
    }
    const double x = piano(m, 0).numero(), y = piano(m, 1).numero();
    std::string direzione, raggio;
    if (pieno(m + 1)) {
      const double dx = piano(m + 1, 0).numero() - x, dy = piano(m + 1, 1).numero() - y;
      std::snprintf(buf, sizeof buf, "%.4f", std::atan2(dy, dx) * 180.0 / std::numbers::pi);
      direzione = buf;
    }
    // Radius of the circle through the points before, at and after this metre.
    if (pieno(m - 1) && pieno(m + 1)) {
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
    out << buf << direzione << ',' << raggio << ',' << (m <= lunghezza_linea ? "linea" : "oltre_fine") << '\n';
  }
}
