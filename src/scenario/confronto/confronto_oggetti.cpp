#include "scenario/confronto/confronto_oggetti.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>

#include "model/cella.h"
#include "model/misure.h"
#include "scenario/compatti/tipi_cella.h"

namespace {

constexpr std::int64_t raggio_abbinamento_oggetti = 500;
// Objects side by side all moved by the same distance: from this many on, one change.
constexpr std::size_t spostati_insieme = 2;
// ... each within this of the one before it.
constexpr std::int64_t distanza_nella_serie = 2000;

const std::string freccia_oggetti = " \xE2\x86\x92 ";

// Everything the compiled scenario keeps of an object: its cell, values and parts.
std::string impronta(const oggetto_confronto& o, bool con_cella) {
  std::string k = o.chiave + "|" + std::to_string(o.tipo) + "|" + (con_cella ? std::to_string(o.cella) : "") + "|";
  for (const valore_letto& v : o.valori) k += v.nome + "=" + v.testo + ";";
  for (const parte_derivata& p : o.parti) {
    k += "[" + std::to_string(p.tipo) + "@" + std::to_string(p.scarto);
    for (const valore_letto& v : p.valori) k += ";" + v.nome + "=" + v.testo;
    k += "]";
  }
  return k;
}

bool stessi_valori(const oggetto_confronto& a, const oggetto_confronto& b) {
  return a.tipo == b.tipo && a.valori == b.valori && a.parti == b.parti;
}

std::string elenco_valori(const std::vector<valore_letto>& v) {
  std::string t;
  for (const valore_letto& x : v) t += (t.empty() ? "" : ", ") + x.nome + " " + x.testo;
  return t;
}

std::string testo_parte(const parte_derivata& p) {
  std::string t = nome_tipo_cella(p.tipo) + " a " + metri_con_segno(p.scarto * metri_cella);
  if (!p.valori.empty()) t += " (" + elenco_valori(p.valori) + ")";
  return t;
}

// What differs in the values and the parts, named after the record's fields.
std::string differenze_valori(const oggetto_confronto& a, const oggetto_confronto& b) {
  std::string d;
  auto aggiungi = [&](const std::string& x) { d += (d.empty() ? "" : ", ") + x; };
  if (a.tipo != b.tipo) aggiungi(nome_tipo_cella(a.tipo) + freccia_oggetti + nome_tipo_cella(b.tipo));
  for (const valore_letto& va : a.valori) {
    const auto vb = std::find_if(b.valori.begin(), b.valori.end(), [&](const auto& x) { return x.nome == va.nome; });
    if (vb == b.valori.end())
      aggiungi(va.nome + " " + va.testo + freccia_oggetti + "-");
    else if (vb->testo != va.testo)
      aggiungi(va.nome + " " + va.testo + freccia_oggetti + vb->testo);
  }
  for (const valore_letto& vb : b.valori)
    if (std::none_of(a.valori.begin(), a.valori.end(), [&](const auto& x) { return x.nome == vb.nome; }))
      aggiungi(vb.nome + " -" + freccia_oggetti + vb.testo);
  for (const parte_derivata& p : a.parti)
    if (std::find(b.parti.begin(), b.parti.end(), p) == b.parti.end()) aggiungi("senza " + testo_parte(p));
  for (const parte_derivata& p : b.parti)
    if (std::find(a.parti.begin(), a.parti.end(), p) == a.parti.end()) aggiungi("con " + testo_parte(p));
  return d;
}

// How far an object moved: as written when both sides have it from the
// sources, else by its cells.
std::int64_t spostamento(const oggetto_confronto& a, const oggetto_confronto& b) {
  if (a.scritto && b.scritto) return b.metri - a.metri;
  return (b.cella - a.cella) * metri_cella;
}

// " verso NAME": the first station of b past metri in the direction of a
// move, "" when none lies that way.
std::string verso(const scenario_confronto& b, std::int64_t metri, std::int64_t spostamento) {
  const stazione_confronto* prossima = nullptr;
  for (const stazione_confronto& s : b.stazioni) {
    const bool oltre = spostamento > 0 ? s.progressiva > metri : s.progressiva < metri;
    if (!oltre) continue;
    if (!prossima || std::llabs(s.progressiva - metri) < std::llabs(prossima->progressiva - metri)) prossima = &s;
  }
  return prossima ? " verso " + prossima->nome : "";
}

struct abbinamento {
  std::size_t a, b;
};

// Pairs the objects of one kind: first those the compiled scenario keeps
// alike, then the nearest within 500 m, the same values first on a tie.
std::vector<abbinamento> abbina(const std::vector<const oggetto_confronto*>& a,
                                const std::vector<const oggetto_confronto*>& b, std::vector<bool>& preso_a,
                                std::vector<bool>& preso_b) {
  std::vector<abbinamento> coppie;
  std::map<std::string, std::vector<std::size_t>> uguali_b;
  for (std::size_t j = b.size(); j-- > 0;) uguali_b[impronta(*b[j], true)].push_back(j);
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto k = uguali_b.find(impronta(*a[i], true));
    if (k == uguali_b.end() || k->second.empty()) continue;
    const std::size_t j = k->second.back();
    k->second.pop_back();
    preso_a[i] = preso_b[j] = true;
    coppie.push_back({i, j});
  }
  std::vector<std::tuple<std::int64_t, int, std::size_t, std::size_t>> candidati;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (preso_a[i]) continue;
    for (std::size_t j = 0; j < b.size(); ++j) {
      if (preso_b[j]) continue;
      const std::int64_t d = std::llabs(b[j]->metri - a[i]->metri);
      if (d <= raggio_abbinamento_oggetti) candidati.emplace_back(d, stessi_valori(*a[i], *b[j]) ? 0 : 1, i, j);
    }
  }
  std::sort(candidati.begin(), candidati.end());
  for (const auto& [d, diversi, i, j] : candidati) {
    if (preso_a[i] || preso_b[j]) continue;
    preso_a[i] = preso_b[j] = true;
    coppie.push_back({i, j});
  }
  return coppie;
}

struct coppia_oggetti {
  const oggetto_confronto *a, *b;
};

}  // namespace

std::vector<modifica> confronta_oggetti(const scenario_confronto& a, const scenario_confronto& b) {
  std::map<std::string, std::pair<std::vector<const oggetto_confronto*>, std::vector<const oggetto_confronto*>>>
      per_chiave;
  for (const oggetto_confronto& o : a.oggetti) per_chiave[o.chiave].first.push_back(&o);
  for (const oggetto_confronto& o : b.oggetti) per_chiave[o.chiave].second.push_back(&o);

  std::vector<coppia_oggetti> coppie;
  std::vector<const oggetto_confronto*> aggiunti, rimossi;
  for (const auto& [chiave, lati] : per_chiave) {
    const auto& [da, db] = lati;
    std::vector<bool> preso_a(da.size(), false), preso_b(db.size(), false);
    for (const abbinamento& x : abbina(da, db, preso_a, preso_b)) coppie.push_back({da[x.a], db[x.b]});
    for (std::size_t i = 0; i < da.size(); ++i)
      if (!preso_a[i]) rimossi.push_back(da[i]);
    for (std::size_t j = 0; j < db.size(); ++j)
      if (!preso_b[j]) aggiunti.push_back(db[j]);
  }
  // Along the line of A, so that objects side by side are neighbours here.
  std::sort(coppie.begin(), coppie.end(), [](const coppia_oggetti& x, const coppia_oggetti& y) {
    return std::tie(x.a->cella, x.a->metri) < std::tie(y.a->cella, y.a->metri);
  });

  // Objects the compiled scenario keeps alike say nothing, nor do they break a run.
  // A slowdown is named by its record, not by the cell of its start.
  auto nome = [](const oggetto_confronto& o) {
    return o.tipo == cella_inizio_rallentamento ? std::string("rallentamento") : nome_tipo_cella(o.tipo);
  };
  std::vector<modifica> m;
  // A progressive rewritten within the same cell changes the sources only.
  for (const coppia_oggetti& c : coppie)
    if (c.a->cella == c.b->cella && stessi_valori(*c.a, *c.b) && c.a->scritto && c.b->scritto &&
        c.a->metri != c.b->metri) {
      modifica x{"senza_effetto", c.a->chiave, "", luogo_in(a, c.a->metri, c.a->sorgente),
                 luogo_in(b, c.b->metri, c.b->sorgente)};
      x.descrizione = nome(*c.b) + " scritto a " + x.b->punto + " invece di " + x.a->punto +
                      ", nella stessa cella: lo scenario compilato non cambia";
      m.push_back(std::move(x));
    }
  std::erase_if(coppie, [](const coppia_oggetti& c) { return c.a->cella == c.b->cella && stessi_valori(*c.a, *c.b); });
  for (std::size_t i = 0; i < coppie.size();) {
    const oggetto_confronto &oa = *coppie[i].a, &ob = *coppie[i].b;
    const bool spostato = oa.cella != ob.cella;
    const std::string valori = differenze_valori(oa, ob);
    // A run of pure moves by the same distance.
    std::size_t fine = i + 1;
    if (spostato && valori.empty())
      while (fine < coppie.size() && coppie[fine].a->cella != coppie[fine].b->cella &&
             coppie[fine].a->metri - coppie[fine - 1].a->metri <= distanza_nella_serie &&
             spostamento(*coppie[fine].a, *coppie[fine].b) == spostamento(oa, ob) &&
             differenze_valori(*coppie[fine].a, *coppie[fine].b).empty())
        ++fine;
    if (fine - i >= spostati_insieme) {
      const oggetto_confronto& ultimo = *coppie[fine - 1].a;
      modifica x{"spostati_insieme", "oggetti", "", luogo_in(a, oa.metri, oa.sorgente),
                 luogo_in(b, ob.metri, ob.sorgente)};
      x.descrizione = std::to_string(fine - i) + " oggetti tra " + x.a->punto + " e " +
                      luogo_in(a, ultimo.metri).punto + " spostati di " + metri_con_segno(spostamento(oa, ob)) +
                      verso(b, ob.metri, spostamento(oa, ob));
      m.push_back(std::move(x));
      i = fine;
      continue;
    }
    i = fine;
    if (!spostato && valori.empty()) continue;
    modifica x{spostato ? "spostato" : "valori", oa.chiave, "", luogo_in(a, oa.metri, oa.sorgente),
               luogo_in(b, ob.metri, ob.sorgente)};
    if (spostato)
      x.descrizione = nome(ob) + " spostato di " + metri_con_segno(spostamento(oa, ob)) +
                      verso(b, ob.metri, spostamento(oa, ob)) + ", da " + x.a->punto + " a " + x.b->punto;
    else
      x.descrizione = nome(ob) + " a " + x.b->punto;
    if (!valori.empty()) x.descrizione += ": " + valori;
    m.push_back(std::move(x));
  }
  for (const oggetto_confronto* o : aggiunti) {
    modifica x{"aggiunto", o->chiave, "", std::nullopt, luogo_in(b, o->metri, o->sorgente)};
    x.descrizione = nome(*o) + " aggiunto a " + x.b->punto;
    if (!o->valori.empty()) x.descrizione += ": " + elenco_valori(o->valori);
    m.push_back(std::move(x));
  }
  for (const oggetto_confronto* o : rimossi) {
    modifica x{"rimosso", o->chiave, "", luogo_in(a, o->metri, o->sorgente), std::nullopt};
    x.descrizione = nome(*o) + " rimosso da " + x.a->punto;
    m.push_back(std::move(x));
  }
  return m;
}
