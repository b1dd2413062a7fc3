#include "scenario/rapporto/profili_rapporto.h"

#include <algorithm>
#include <vector>

#include "model/campi_cella.h"
#include "scenario/sorgenti/origini_oggetti.h"

namespace {
// The values of the cells in metres: a speed in km/h, a gradient in per
// mille, an adhesion as stored.
using valore_cella = std::int64_t (*)(const cella&);
std::int64_t velocita_di(const cella& c) { return velocita_km_h(c); }
std::int64_t pendenza_di(const cella& c) { return pendenza_per_mille(c); }
std::int64_t aderenza_profilo(const cella& c) { return c.aderenza; }

nodo nodo_tratto(std::int64_t da, std::int64_t a, std::int64_t valore) {
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
    nodo t = nodo_tratto(da, a, rr[k]->numeri[1]);
    const std::int64_t i = cella_di_progressiva(da);
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
  const std::size_t celle =
      std::min(s.percorso.size(), static_cast<std::size_t>(cella_del_metro(std::max(lunghezza, 0))));
  std::size_t inizio = 0;
  for (std::size_t i = 1; i <= celle; ++i) {
    if (i < celle && in_cella(s.percorso[i]) == in_cella(s.percorso[inizio])) continue;
    tratti.elementi.push_back(nodo_tratto(metri_di_cella(static_cast<std::int64_t>(inizio)),
                                          metri_di_cella(static_cast<std::int64_t>(i)), in_cella(s.percorso[inizio])));
    inizio = i;
  }
  return tratti;
}

}  // namespace

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
      {"aderenza", "valore di aderenza", genere_record::aderenza, true, aderenza_profilo},
  };
  nodo p;
  for (const voce& v : voci) {
    const bool scritto = v.nel_treno ? ind.treno.presente : ind.linea.presente;
    nodo n;
    n.metti("unita", std::string(v.unita));
    n.metti("fonte", std::string(scritto ? "sorgente" : "celle"));
    n.metti("tratti", scritto ? profilo_scritto(s, ind, v.genere, v.in_cella, lunghezza)
                              : profilo_celle(s, v.in_cella, lunghezza));
    p.metti(v.nome, n);
  }
  return p;
}
