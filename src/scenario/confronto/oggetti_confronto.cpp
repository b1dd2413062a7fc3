#include "scenario/confronto/oggetti_confronto.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "compiler/memo_rallentamento.h"
#include "model/campi_cella.h"
#include "model/form1.h"
#include "scenario/compatti/tipi_cella.h"
#include "scenario/compatti/valori_cella.h"
#include "scenario/sorgenti/origini_oggetti.h"
#include "scenario/testo/da_1252.h"

namespace {

// The kinds an author writes as an object of their own; the others are parts
// the compiler adds to one (a station's end marker belongs to the station).
bool cella_propria(std::uint8_t tipo) {
  switch (tipo) {
    case cella_segnale:
    case cella_inizio_rallentamento:
    case cella_indicatore_vmax:
    case cella_codice:
    case cella_codice_senza_valore:
    case cella_cartello_indicatore:
      return true;
    default:
      return false;
  }
}

bool parte_di_rallentamento(std::uint8_t tipo) {
  return tipo == cella_avviso_rallentamento || tipo == cella_tavola_distanziometrica ||
         tipo == cella_fine_rallentamento;
}

// The code check places code 180 in front of slowdowns: no record writes it.
bool codice_del_controllo_confronto(const cella& c) { return c.tipo == cella_codice && c.valore_1 == 180; }

// The values of a cell as the report names them; a sign's entry in the
// stations table is a slot that moves with the other signs, so its text
// stands for it.
std::vector<valore_letto> valori_letti(const scenario_compatto& s, const cella& c) {
  std::vector<valore_letto> v;
  for (const valore_di_cella& x : valori_di_cella(c.tipo)) {
    if (c.tipo == cella_cartello_indicatore && x.nome == "voce") continue;
    v.push_back({std::string(x.nome), std::to_string(leggi_valore(c, x))});
  }
  if (c.tipo == cella_cartello_indicatore) {
    const bool in_tabella = c.valore_1 >= 0 && c.valore_1 < numero_stazioni;
    v.push_back({"testo", in_tabella ? utf8_da_1252(s.stazioni[static_cast<std::size_t>(c.valore_1)].nome)
                                     : "(voce " + std::to_string(c.valore_1) + " fuori tabella)"});
  }
  return v;
}

// The progressive of the place a cell stands for: an object's is one cell
// back from where nearest puts it, a code point's is its cell's start.
std::int64_t metri_della_cella(std::uint8_t tipo, std::int64_t i) {
  return tipo == cella_codice || tipo == cella_codice_senza_valore ? metri_di_cella(i) : progressiva_di_oggetto(i);
}

std::string chiave_di(std::uint8_t tipo) {
  const std::string_view record = record_di_cella(tipo);
  return std::string(record.empty() ? chiave_tipo_cella(tipo) : record);
}

oggetto_confronto oggetto_di_cella(const scenario_compatto& s, std::size_t i) {
  const cella& c = s.percorso[i];
  oggetto_confronto o;
  o.chiave = chiave_di(c.tipo);
  o.tipo = c.tipo;
  o.cella = static_cast<std::int64_t>(i);
  o.metri = metri_della_cella(c.tipo, o.cella);
  o.valori = valori_letti(s, c);
  return o;
}

void aggiungi_parte(oggetto_confronto& o, const scenario_compatto& s, std::size_t i) {
  const cella& c = s.percorso[i];
  o.parti.push_back({c.tipo, static_cast<std::int64_t>(i) - o.cella, valori_letti(s, c)});
}

// The code check places its code points from 20 cells before the cell in
// front of a signal before a warning sign up to the signal 12 cells after a
// slowdown's end: the slowdown whose stretch, so widened, holds cell i (the
// nearest when two do), or none.
constexpr std::int64_t prima_del_rallentamento = 22, dopo_il_rallentamento = 13;

oggetto_confronto* rallentamento_intorno(std::vector<oggetto_confronto>& oggetti, std::int64_t i) {
  oggetto_confronto* migliore = nullptr;
  for (oggetto_confronto& o : oggetti) {
    if (o.tipo != cella_inizio_rallentamento) continue;
    std::int64_t da = o.cella, a = o.cella;
    for (const parte_derivata& p : o.parti) {
      da = std::min(da, o.cella + p.scarto);
      a = std::max(a, o.cella + p.scarto);
    }
    if (i < da - prima_del_rallentamento || i > a + dopo_il_rallentamento) continue;
    if (!migliore || std::llabs(o.cella - i) < std::llabs(migliore->cella - i)) migliore = &o;
  }
  return migliore;
}

// With the sources: the cells of one record are one object.
std::vector<oggetto_confronto> oggetti_da_sorgenti(const scenario_compatto& s, const indice_sorgenti& ind) {
  const std::vector<origine_cella> da = origini(s, ind);
  std::map<const record_sorgente*, std::vector<std::size_t>> per_record;
  std::vector<const record_sorgente*> ordine;
  std::vector<std::size_t> senza_record;
  for (std::size_t i = 0; i < s.percorso.size(); ++i) {
    const cella& c = s.percorso[i];
    if (cella_libera(c) || c.tipo == cella_fine_stazione) continue;
    if (da[i].r && da[i].tipo == c.tipo) {
      auto& celle = per_record[da[i].r];
      if (celle.empty()) ordine.push_back(da[i].r);
      celle.push_back(i);
    } else {
      senza_record.push_back(i);
    }
  }
  std::vector<oggetto_confronto> oggetti;
  for (const record_sorgente* r : ordine) {
    const std::vector<std::size_t>& celle = per_record[r];
    std::size_t propria = celle.front();
    for (std::size_t i : celle)
      if (cella_propria(s.percorso[i].tipo)) propria = i;
    oggetto_confronto o = oggetto_di_cella(s, propria);
    if (!r->numeri.empty()) {
      o.metri = r->numeri[0];
      o.scritto = true;
    }
    o.sorgente = {file_di(*r, ind), r->riga};
    for (std::size_t i : celle)
      if (i != propria) aggiungi_parte(o, s, i);
    oggetti.push_back(std::move(o));
  }
  std::sort(oggetti.begin(), oggetti.end(), [](const auto& a, const auto& b) { return a.cella < b.cella; });
  for (std::size_t i : senza_record) {
    oggetto_confronto* ral = codice_del_controllo_confronto(s.percorso[i])
                                 ? rallentamento_intorno(oggetti, static_cast<std::int64_t>(i))
                                 : nullptr;
    if (ral)
      aggiungi_parte(*ral, s, i);
    else
      oggetti.push_back(oggetto_di_cella(s, i));
  }
  return oggetti;
}

// Without them: each object's own cell, a slowdown's warning sign and boards
// where the compiler puts them for its start, its end the first end after it
// and the codes 180 about it.
std::vector<oggetto_confronto> oggetti_da_celle(const scenario_compatto& s) {
  const std::int64_t n = static_cast<std::int64_t>(s.percorso.size());
  std::vector<bool> preso(s.percorso.size(), false);
  auto tipo_in = [&](std::int64_t i) { return i >= 0 && i < n ? s.percorso[static_cast<std::size_t>(i)].tipo : 0; };
  std::vector<oggetto_confronto> oggetti;
  std::vector<std::size_t> del_controllo;
  for (std::int64_t i = 0; i < n; ++i) {
    const std::uint8_t tipo = tipo_in(i);
    if (!cella_propria(tipo)) continue;
    if (codice_del_controllo_confronto(s.percorso[static_cast<std::size_t>(i)])) {
      del_controllo.push_back(static_cast<std::size_t>(i));
      continue;
    }
    oggetto_confronto o = oggetto_di_cella(s, static_cast<std::size_t>(i));
    if (tipo == cella_inizio_rallentamento) {
      auto prendi = [&](std::int64_t k, std::uint8_t atteso) {
        if (tipo_in(k) != atteso || preso[static_cast<std::size_t>(k)]) return false;
        preso[static_cast<std::size_t>(k)] = true;
        aggiungi_parte(o, s, static_cast<std::size_t>(k));
        return true;
      };
      const auto p = static_cast<std::int32_t>(o.metri);
      if (con_avviso(p)) {
        const celle_rallentamento c = celle_di_rallentamento(p, 0);
        prendi(c.avviso, cella_avviso_rallentamento);
        for (int t = 0; t < 4; ++t) prendi(c.tavola - t, cella_tavola_distanziometrica);
      }
      for (std::int64_t k = i + 1; k < n && tipo_in(k) != cella_inizio_rallentamento; ++k)
        if (prendi(k, cella_fine_rallentamento)) break;
    }
    oggetti.push_back(std::move(o));
  }
  // A code 180 about a slowdown is taken for the code check's, as the sources would tell.
  for (std::size_t i : del_controllo) {
    if (oggetto_confronto* ral = rallentamento_intorno(oggetti, static_cast<std::int64_t>(i)))
      aggiungi_parte(*ral, s, i);
    else
      oggetti.push_back(oggetto_di_cella(s, i));
  }
  for (std::int64_t i = 0; i < n; ++i)
    if (parte_di_rallentamento(tipo_in(i)) && !preso[static_cast<std::size_t>(i)])
      oggetti.push_back(oggetto_di_cella(s, static_cast<std::size_t>(i)));
  return oggetti;
}

std::vector<stazione_confronto> stazioni_di(const scenario_compatto& s, const indice_sorgenti& ind) {
  std::vector<const record_sorgente*> record;
  for (const record_sorgente& r : ind.record)
    if (r.genere == genere_record::stazione) record.push_back(&r);
  std::vector<stazione_confronto> v;
  for (int k = 1; k < voce_progressiva_tre; ++k) {
    const stazione& x = s.stazioni[static_cast<std::size_t>(k)];
    // The entries the report lists as stations: a sign's text fills only the name.
    if (x.tipo == 0 && x.inizio == 0 && x.fine == 0 && x.progressiva == 0) continue;
    stazione_confronto st{k, utf8_da_1252(x.nome), x.tipo, x.progressiva, x.inizio, x.fine, x.orario, {}};
    if (static_cast<std::size_t>(k) <= record.size()) {
      const record_sorgente& r = *record[static_cast<std::size_t>(k - 1)];
      st.sorgente = {file_di(r, ind), r.riga};
    }
    v.push_back(std::move(st));
  }
  return v;
}

}  // namespace

scenario_confronto prepara_confronto(const scenario_compatto& s, const indice_sorgenti& ind) {
  scenario_confronto c;
  c.oggetti = ind.vuoto() ? oggetti_da_celle(s) : oggetti_da_sorgenti(s, ind);
  std::stable_sort(c.oggetti.begin(), c.oggetti.end(), [](const auto& a, const auto& b) { return a.cella < b.cella; });
  c.stazioni = stazioni_di(s, ind);
  c.serie = serie_chilometriche(s.stazioni);
  for (const record_sorgente& r : ind.record) {
    const bool profilo = r.genere == genere_record::pendenza || r.genere == genere_record::velocita ||
                         r.genere == genere_record::aderenza || r.genere == genere_record::montagna ||
                         r.genere == genere_record::curva;
    if (!profilo || r.numeri.empty()) continue;
    // A mountain stretch says where it ends, a curve how long it is.
    const std::int64_t fine = r.numeri.size() < 2                   ? -1
                              : r.genere == genere_record::montagna ? r.numeri[1]
                              : r.genere == genere_record::curva    ? r.numeri[0] + r.numeri[1]
                                                                    : -1;
    c.profili.push_back({r.genere, r.numeri[0], fine, {file_di(r, ind), r.riga}});
  }
  return c;
}

riga_di_sorgente riga_del_profilo(const scenario_confronto& c, genere_record genere, std::int64_t metri) {
  riga_di_sorgente riga;
  std::int64_t da_migliore = -1;
  for (const record_profilo& r : c.profili) {
    if (r.genere != genere || r.da > metri || (r.a >= 0 && metri > r.a)) continue;
    // The record nearest before the place holds there.
    if (r.da >= da_migliore) {
      da_migliore = r.da;
      riga = r.sorgente;
    }
  }
  return riga;
}
