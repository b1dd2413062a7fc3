#include "scenario/confronto/confronto_scenari.h"

#include <algorithm>

#include "model/campi_cella.h"
#include "model/form1.h"
#include "scenario/confronto/confronto_oggetti.h"
#include "scenario/confronto/confronto_piano.h"
#include "scenario/confronto/confronto_stazioni.h"
#include "scenario/rapporto/rapporto_scenario.h"

namespace {

const std::string freccia_scenari = " \xE2\x86\x92 ";

std::int32_t aderenza_confronto(const cella& c) { return c.aderenza; }
std::int32_t montagna_di(const cella& c) { return c.montagna; }

// A profile read from each cell, with its unit.
struct profilo_confronto {
  genere_record genere;
  const char* chiave;
  const char* nome;
  const char* unita;
  std::int32_t (*leggi)(const cella&);
};
const profilo_confronto profili_confronto[] = {
    {genere_record::pendenza, "pendenza", "pendenza", "\xE2\x80\xB0", pendenza_per_mille},
    {genere_record::velocita, "velocita_massima", "velocit\xC3\xA0 massima", "km/h", velocita_km_h},
    {genere_record::aderenza, "aderenza", "aderenza", "", aderenza_confronto},
    {genere_record::montagna, "montagna", "tratto di montagna", "", montagna_di},
};

// The stretches where a profile differs, each a run of cells with the same
// pair of values; compared over the cells both lines have.
void confronta_profili(const scenario_confronto& ca, const scenario_confronto& cb, const scenario_compatto& a,
                       const scenario_compatto& b, std::vector<modifica>& m) {
  const std::size_t n = std::min(a.percorso.size(), b.percorso.size());
  for (const profilo_confronto& p : profili_confronto) {
    for (std::size_t i = 0; i < n;) {
      const std::int32_t va = p.leggi(a.percorso[i]), vb = p.leggi(b.percorso[i]);
      std::size_t fine = i + 1;
      while (fine < n && p.leggi(a.percorso[fine]) == va && p.leggi(b.percorso[fine]) == vb) ++fine;
      if (va != vb) {
        const std::int64_t da = metri_di_cella(static_cast<std::int64_t>(i)),
                           a_m = metri_di_cella(static_cast<std::int64_t>(fine));
        modifica x{"profilo", p.chiave, "", luogo_in(ca, da, riga_del_profilo(ca, p.genere, da)),
                   luogo_in(cb, da, riga_del_profilo(cb, p.genere, da))};
        x.descrizione = std::string(p.nome) + " " + std::to_string(va) + freccia_scenari + std::to_string(vb) +
                        (*p.unita ? " " : "") + p.unita + " tra " + x.a->punto + " e " + luogo_in(ca, a_m).punto;
        m.push_back(std::move(x));
      }
      i = fine;
    }
  }
}

// The general values as the report shows them, each leaf under its path
// ("treno.massa_frenata_percento", "serie_chilometriche[1].riferimento");
// the report's explanations, made from the values, are left out.
void foglie(const nodo& n, const std::string& via, std::vector<std::pair<std::string, std::string>>& v) {
  switch (n.genere) {
    case nodo::tipo::oggetto:
      for (std::size_t k = 0; k < n.chiavi.size(); ++k)
        if (n.chiavi[k] != "spiegazione") foglie(n.elementi[k], via.empty() ? n.chiavi[k] : via + "." + n.chiavi[k], v);
      return;
    case nodo::tipo::lista:
      for (std::size_t k = 0; k < n.elementi.size(); ++k)
        foglie(n.elementi[k], via + "[" + std::to_string(k + 1) + "]", v);
      return;
    case nodo::tipo::numero:
      v.emplace_back(via, std::to_string(n.numero));
      return;
    case nodo::tipo::testo:
      v.emplace_back(via, n.testo);
      return;
    case nodo::tipo::booleano:
      v.emplace_back(via, n.numero ? "si" : "no");
      return;
    case nodo::tipo::nullo:
      v.emplace_back(via, "-");
      return;
  }
}

std::vector<std::pair<std::string, std::string>> generali_di(const scenario_compatto& s) {
  const nodo r = rapporto_scenario(s);
  std::vector<std::pair<std::string, std::string>> v;
  for (std::size_t k = 0; k < r.chiavi.size(); ++k)
    if (r.chiavi[k] == "generali") foglie(r.elementi[k], "", v);
  return v;
}

void confronta_generali(const scenario_compatto& a, const scenario_compatto& b, std::vector<modifica>& m) {
  const auto va = generali_di(a), vb = generali_di(b);
  for (const auto& x : va) {
    const auto k = std::find_if(vb.begin(), vb.end(), [&](const auto& y) { return y.first == x.first; });
    const std::string testo_b = k == vb.end() ? "-" : k->second;
    if (x.second != testo_b)
      m.push_back(
          {"generale", x.first, x.first + " " + x.second + freccia_scenari + testo_b, std::nullopt, std::nullopt});
  }
  for (const auto& y : vb)
    if (std::none_of(va.begin(), va.end(), [&](const auto& x) { return x.first == y.first; }))
      m.push_back({"generale", y.first, y.first + " -" + freccia_scenari + y.second, std::nullopt, std::nullopt});
}

nodo nodo_luogo(const std::optional<luogo_modifica>& l) {
  if (!l) return nodo::nullo();
  nodo n;
  n.metti("progressiva_m", l->metri).metti("punto_chilometrico", l->punto);
  if (l->sorgente.riga == 0)
    n.metti("sorgente", nodo::nullo());
  else
    n.metti("sorgente",
            nodo().metti("file", l->sorgente.file).metti("riga", static_cast<std::int64_t>(l->sorgente.riga)));
  return n;
}

std::int64_t posto_di(const modifica& x) { return x.a ? x.a->metri : x.b ? x.b->metri : 0; }

}  // namespace

luogo_modifica luogo_in(const scenario_confronto& c, std::int64_t metri, const riga_di_sorgente& sorgente) {
  return {metri, testo_punto(punto_di(c.serie, metri).metri), sorgente};
}

std::string testo_luogo(const luogo_modifica& l) { return l.punto + " (" + std::to_string(l.metri) + " m)"; }

std::string metri_con_segno(std::int64_t m) { return (m > 0 ? "+" : "") + std::to_string(m) + " m"; }

std::vector<modifica> confronta_scenari(const scenario_confronto& a, const scenario_confronto& b,
                                        const scenario_compatto& sa, const scenario_compatto& sb) {
  std::vector<modifica> m = confronta_stazioni(a, b);
  std::vector<modifica> oggetti = confronta_oggetti(a, b);
  std::stable_sort(oggetti.begin(), oggetti.end(),
                   [](const modifica& x, const modifica& y) { return posto_di(x) < posto_di(y); });
  m.insert(m.end(), oggetti.begin(), oggetti.end());
  confronta_profili(a, b, sa, sb, m);
  confronta_piano(a, b, sa, sb, m);
  confronta_generali(sa, sb, m);
  return m;
}

nodo nodo_modifiche(const std::vector<modifica>& m) {
  nodo lista = nodo::lista();
  for (const modifica& x : m)
    lista.elementi.push_back(nodo()
                                 .metti("genere", x.genere)
                                 .metti("oggetto", x.oggetto)
                                 .metti("descrizione", x.descrizione)
                                 .metti("a", nodo_luogo(x.a))
                                 .metti("b", nodo_luogo(x.b)));
  return lista;
}
