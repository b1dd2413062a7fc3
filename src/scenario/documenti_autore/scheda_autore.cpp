#include "scenario/documenti_autore/scheda_autore.h"

#include <algorithm>

#include "documents/celle_testo.h"
#include "documents/cornici_documenti.h"
#include "model/campi_cella.h"
#include "model/chilometri.h"

namespace {

std::string velocita(int kmh) { return kmh > 0 ? std::to_string(kmh) : ""; }

int limite_a(const Form1& f, std::int64_t progressiva) {
  if (!f.percorso_esiste()) return 0;
  const std::int64_t i = std::clamp<std::int64_t>(cella_del_metro(progressiva), 0, f.numero_celle);
  return velocita_km_h(f.cella_n(static_cast<std::int32_t>(i)));
}

std::string km_di(const std::vector<serie_chilometrica>& serie, std::int64_t progressiva) {
  return testo_km(punto_di(serie, progressiva).metri);
}

// The cell of the time: a stop as arrival and departure, the start as its
// departure, the end as its arrival (the one the table gives, else the train
// file's time), elsewhere a passing time.
std::string cella_orario(const riga_scheda& r, bool prima, bool ultima) {
  if (ultima && !r.arrivo.empty()) return a_sinistra(" " + r.arrivo, colonne_scheda[5]);
  if (!r.arrivo.empty() && !r.orario.empty()) return a_sinistra(" " + r.arrivo, 10) + a_destra(r.orario + " ", 6);
  if (!r.arrivo.empty()) return a_sinistra(" " + r.arrivo, colonne_scheda[5]);
  if (r.orario.empty()) return std::string(16, ' ');
  if (prima) return a_destra(r.orario + " ", colonne_scheda[5]);
  if (ultima) return a_sinistra(" " + r.orario, colonne_scheda[5]);
  return a_destra(r.orario, 11) + "     ";
}

std::string velocita_cella(const std::string& v) { return a_destra(v, 4) + " "; }

std::string senza_spazi_scheda(std::string s) {
  s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
  return s;
}

// A row's cells; a cell the table gives as printed stands where the
// computed one would be empty or says the same but for its blanks, so an
// edit of the sources still shows.
std::string riga_tabella(const riga_scheda& r, bool prima, bool ultima,
                         const std::vector<const cella_stampata*>& come) {
  celle_scheda c = celle_della_riga(r, prima, ultima);
  for (const cella_stampata* x : come) {
    const std::string calcolata = senza_spazi_scheda(c[x->colonna]);
    if (calcolata.empty() || calcolata == senza_spazi_scheda(x->testo)) c[x->colonna] = x->testo;
  }
  return riga_tabella_scheda(c);
}

// What every step of the sheet reads: the model, its kilometre series and
// the run from the first station to the last.
struct corsa {
  const Form1& f;
  std::vector<serie_chilometrica> serie;
  std::vector<const stazione*> stazioni;
  std::int64_t inizio = 0, fine = 0;  // progressives of the first and the last station
};

// A row for each station, with its time when the train file gives one.
void righe_stazioni(const corsa& c, std::vector<riga_scheda>& righe) {
  for (const stazione* s : c.stazioni) {
    riga_scheda r;
    r.progressiva = s->progressiva;
    r.limite = velocita(limite_a(c.f, s->progressiva));
    r.km = km_di(c.serie, s->progressiva);
    r.nome = s->nome;
    if (s->orario != 0) r.orario = testo_orario(s->orario);
    righe.push_back(r);
  }
}

// The SI COD row where the cab signalling begins, when it begins inside the
// run; its km stands in the name, not in the km column.
void riga_codici(const corsa& c, std::vector<riga_scheda>& righe) {
  const stazione& codici = c.f.stazioni[voce_ripetizione];
  if (codici.progressiva == 0 || codici.inizio <= c.inizio || codici.inizio >= c.fine) return;
  riga_scheda r;
  r.progressiva = codici.inizio;
  r.tipo = riga_scheda::genere::codici;
  r.limite = velocita(limite_a(c.f, codici.inizio));
  std::string km = km_di(c.serie, codici.inizio);
  std::replace(km.begin(), km.end(), '.', ',');
  r.nome = "SI COD Km " + km;
  righe.push_back(r);
}

// A row for each change of the speed limit inside the run where no station
// stands (a station's row already gives the limit there).
void righe_limite(const corsa& c, std::vector<riga_scheda>& righe) {
  const Form1& f = c.f;
  for (std::int32_t i = 1; i < f.numero_celle - 2; ++i) {
    const std::int64_t p = metri_di_cella(i);
    if (p <= c.inizio || p >= c.fine || f.cella_n(i).velocita == f.cella_n(i - 1).velocita) continue;
    if (std::any_of(c.stazioni.begin(), c.stazioni.end(),
                    [&](const stazione* s) { return cella_del_metro(s->progressiva) == i; }))
      continue;
    riga_scheda r;
    r.progressiva = p;
    r.tipo = riga_scheda::genere::limite;
    r.limite = velocita(velocita_km_h(f.cella_n(i)));
    r.km = km_di(c.serie, p);
    std::string cippo = r.km;
    std::replace(cippo.begin(), cippo.end(), '.', ',');
    r.nome = "Cippo Km." + cippo;
    righe.push_back(r);
  }
}

// Along the line; at one progressive the station first, then the limit,
// then SI COD. Stable, so stations at one progressive keep their order.
void ordina(std::vector<riga_scheda>& righe) {
  std::stable_sort(righe.begin(), righe.end(), [](const riga_scheda& a, const riga_scheda& b) {
    return a.progressiva < b.progressiva || (a.progressiva == b.progressiva && a.tipo < b.tipo);
  });
}

// A table row without a name fills in the first row the sources give at its
// progressive; a time differing from the train file's would make the sheet
// contradict the simulation. Returns the fault, empty when none.
std::string completa_riga(std::vector<riga_scheda>& righe, const riga_della_tabella& d) {
  const auto r = std::find_if(righe.begin(), righe.end(), [&](const riga_scheda& x) {
    return x.progressiva == d.progressiva && x.tipo != riga_scheda::genere::autore;
  });
  if (r == righe.end())
    return "a progressiva " + std::to_string(d.progressiva) +
           " la scheda non ha una riga dai sorgenti (stazione, cambio di velocit\xC3\xA0, inizio dei codici): dai "
           "un nome alla riga";
  if (d.stampata) {
    r->limite = d.limite;
    r->km = d.km;
    if (r->tipo == riga_scheda::genere::codici && !d.km.empty()) {
      std::string km = d.km;
      std::replace(km.begin(), km.end(), '.', ',');
      r->nome = "SI COD Km " + km;
      r->km.clear();
    }
  }
  if (!d.stampata && !d.orario.empty() && !r->orario.empty() && d.orario != r->orario)
    return "orario " + d.orario + ": il file del treno d\xC3\xA0 " + r->orario + " a " + r->nome +
           "; lascia vuoto il campo";
  if (!d.marcia.empty()) r->marcia = d.marcia;
  if (!d.no_rs.empty()) r->no_rs = d.no_rs;
  if (!d.arrivo.empty()) r->arrivo = d.arrivo;
  if (!d.orario.empty() && !(d.stampata && !r->orario.empty())) r->orario = d.orario;
  if (!d.recupero.empty()) r->recupero = d.recupero;
  return "";
}

// A named table row is a row of its own, inside the run, after every row
// already at its progressive. Returns the fault, empty when none.
std::string riga_propria(const corsa& c, std::vector<riga_scheda>& righe, const riga_della_tabella& d) {
  if (d.progressiva < c.inizio || d.progressiva > c.fine)
    return "la riga '" + d.nome + "' a progressiva " + std::to_string(d.progressiva) + " cade fuori dalla corsa (da " +
           std::to_string(c.inizio) + " a " + std::to_string(c.fine) + ")";
  riga_scheda r;
  r.progressiva = d.progressiva;
  r.tipo = riga_scheda::genere::autore;
  r.km = d.stampata ? d.km : km_di(c.serie, d.progressiva);
  if (d.stampata) r.limite = d.limite;
  r.nome = d.nome;
  r.marcia = d.marcia;
  r.no_rs = d.no_rs;
  r.arrivo = d.arrivo;
  r.orario = d.orario;
  r.recupero = d.recupero;
  const auto dopo = std::upper_bound(righe.begin(), righe.end(), r.progressiva,
                                     [](std::int64_t p, const riga_scheda& x) { return p < x.progressiva; });
  righe.insert(dopo, r);
  return "";
}

// The pages: up to 29 rows each; a page that is not the last ends at its
// last station, which opens the next page again.
struct pagina_righe {
  std::size_t da, a;  // rows [da, a)
};
std::vector<pagina_righe> pagine_della_scheda(const std::vector<riga_scheda>& righe) {
  std::vector<pagina_righe> pagine;
  for (std::size_t da = 0; da < righe.size();) {
    std::size_t a = std::min(righe.size(), da + righe_pagina_scheda);
    if (a < righe.size()) {
      for (std::size_t k = a - 1; k > da; --k)
        if (righe[k].tipo == riga_scheda::genere::stazione) {
          a = k + 1;
          break;
        }
    }
    pagine.push_back({da, a});
    da = a < righe.size() && righe[a - 1].tipo == riga_scheda::genere::stazione && a - 1 > da ? a - 1 : a;
  }
  return pagine;
}

}  // namespace

celle_scheda celle_della_riga(const riga_scheda& r, bool prima, bool ultima) {
  celle_scheda c = {velocita_cella(r.limite),
                    velocita_cella(r.marcia),
                    a_destra(r.km, 8) + "  ",
                    velocita_cella(r.no_rs),
                    " " + r.nome,
                    cella_orario(r, prima, ultima),
                    r.recupero.empty() ? "" : " " + r.recupero};
  for (std::size_t k = 0; k < c.size(); ++k) c[k] = a_sinistra(c[k], colonne_scheda[k]);
  return c;
}

std::vector<const stazione*> stazioni_del_modello(const Form1& f) {
  // Stations fill the table from entry 1 up, below the sign texts.
  std::int32_t cartelli = 0;
  for (const cella& c : f.percorso) cartelli += c.tipo == cella_cartello_indicatore;
  std::vector<const stazione*> v;
  for (std::int32_t k = 1; k < slot_cartello_dopo(cartelli); ++k) {
    const stazione& s = f.stazioni[static_cast<std::size_t>(k)];
    if (s.tipo == 0 && s.nome.empty() && s.inizio == 0 && s.fine == 0 && s.progressiva == 0 && s.orario == 0) break;
    v.push_back(&s);
  }
  return v;
}

std::vector<riga_scheda> righe_della_scheda(const Form1& f, const tabella_documenti& t, const std::string& file_tabella,
                                            std::vector<std::string>& errori) {
  corsa c{f, serie_chilometriche(f.stazioni), stazioni_del_modello(f)};
  std::vector<riga_scheda> righe;
  if (c.stazioni.empty()) return righe;
  c.inizio = c.stazioni.front()->progressiva;
  c.fine = c.stazioni.back()->progressiva;
  righe_stazioni(c, righe);
  riga_codici(c, righe);
  righe_limite(c, righe);
  ordina(righe);
  for (const riga_omessa& o : t.omesse) {
    const auto via = std::remove_if(righe.begin(), righe.end(), [&](const riga_scheda& x) {
      return x.progressiva == o.progressiva && x.tipo != riga_scheda::genere::autore;
    });
    if (via == righe.end())
      errori.push_back(file_tabella + ":" + std::to_string(o.riga) + ": a progressiva " +
                       std::to_string(o.progressiva) + " la scheda non ha una riga dai sorgenti da omettere");
    righe.erase(via, righe.end());
  }
  // The author's rows in the table's order, after the sources' rows are in
  // place: a row without a name finds its row whatever the table's order.
  for (const riga_della_tabella& d : t.righe) {
    const std::string perche = d.nome.empty() ? completa_riga(righe, d) : riga_propria(c, righe, d);
    if (!perche.empty()) errori.push_back(file_tabella + ":" + std::to_string(d.riga) + ": " + perche);
  }
  for (const cella_stampata& x : t.celle_scheda)
    if (std::none_of(righe.begin(), righe.end(), [&](const riga_scheda& r) { return r.progressiva == x.chiave; }))
      errori.push_back(file_tabella + ":" + std::to_string(x.riga) + ": a progressiva " + std::to_string(x.chiave) +
                       " la scheda non ha una riga");
  const std::size_t n = pagine_della_scheda(righe).size();
  for (const pagina_della_tabella& p : t.pagine)
    if (p.numero == 0 || p.numero > n)
      errori.push_back(file_tabella + ":" + std::to_string(p.riga) + ": la pagina " + std::to_string(p.numero) +
                       " non c'\xC3\xA8: la scheda ne ha " + std::to_string(n));
  return righe;
}

std::string testo_scheda(const std::vector<riga_scheda>& righe, const std::string& treno, const Form1& f,
                         const tabella_documenti& t) {
  const std::vector<pagina_righe> pagine = pagine_della_scheda(righe);
  const auto stazione_prima = [&](std::size_t fino) {
    std::string nome;
    for (std::size_t k = 0; k < fino && k < righe.size(); ++k)
      if (righe[k].tipo == riga_scheda::genere::stazione) nome = righe[k].nome;
    return nome;
  };
  const std::string percentuale = std::to_string(f.stazioni[voce_treno_linea].inizio) + "%";
  const std::string massa = t.massa.empty() ? "" : t.massa + "T";
  const std::size_t n = pagine.size();
  std::size_t ultima_stazione = 0;
  for (std::size_t k = 0; k < righe.size(); ++k)
    if (righe[k].tipo == riga_scheda::genere::stazione) ultima_stazione = k;
  // The cells as printed of row k: those of the first row at its progressive.
  const auto come_stampate = [&](std::size_t k) {
    std::vector<const cella_stampata*> v;
    const bool prima_a_progressiva = k == 0 || righe[k - 1].progressiva != righe[k].progressiva;
    if (prima_a_progressiva)
      for (const cella_stampata& x : t.celle_scheda)
        if (x.chiave == righe[k].progressiva) v.push_back(&x);
    return v;
  };
  std::vector<pagina_scheda> fogli;
  for (std::size_t p = 0; p < n; ++p) {
    const pagina_righe& g = pagine[p];
    std::string da = stazione_prima(g.da + 1), a = stazione_prima(g.a);
    if (da.empty()) da = a;
    std::string etichetta = "SCHEDA " + std::to_string(p + 1) + "/" + std::to_string(n);
    std::string nota = t.nota.empty() ? "" : " " + t.nota;
    for (const pagina_della_tabella& x : t.pagine) {
      if (x.numero != p + 1) continue;
      // The label as printed while it says the computed one but for its blanks.
      if (senza_spazi_scheda(x.etichetta) == senza_spazi_scheda(etichetta)) etichetta = x.etichetta;
      if (!x.nota.empty()) nota = x.nota;
    }
    pagina_scheda foglio{
        {etichetta, "TRENO n. " + treno, da, a, t.rango, percentuale, t.classificazione, massa, {}}, {}, nota};
    for (std::size_t k = g.da; k < g.a; ++k)
      foglio.righe.push_back(riga_tabella(righe[k], k == 0, k == ultima_stazione, come_stampate(k)));
    fogli.push_back(std::move(foglio));
  }
  const std::string modulo = "SCHEDA " + std::to_string(n + 1) + "/" + std::to_string(n + 1);
  // The blank form keeps its mass placeholder where the printed form has it.
  return testo_documento(righe_scheda_documento(
      fogli, {modulo, "TRENO n.xxxxx", "xxxxxx", "xxxxxx", "Vxxx C", "xxx%", "xxx", "", "      xxxT"}));
}
