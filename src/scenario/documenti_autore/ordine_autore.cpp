#include "scenario/documenti_autore/ordine_autore.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "documents/celle_testo.h"
#include "documents/cornici_documenti.h"
#include "model/campi_cella.h"
#include "model/chilometri.h"
#include "scenario/documenti_autore/scheda_autore.h"

namespace {

// The station whose area holds the start, else the two around it.
std::string stazioni_intorno(const std::vector<const stazione*>& stazioni, std::int64_t progressiva) {
  const stazione* prima = nullptr;
  const stazione* dopo = nullptr;
  for (const stazione* s : stazioni) {
    if (s->inizio <= progressiva && progressiva <= s->fine) return s->nome;
    if (s->progressiva <= progressiva) prima = s;
    if (s->progressiva > progressiva && !dopo) dopo = s;
  }
  if (prima && dopo) return prima->nome + "-" + dopo->nome;
  return prima ? prima->nome : dopo ? dopo->nome : "";
}

// The whole kilometre the driver passes last before the start: counting
// down, the post above; counting up, the one below.
std::string cippo_prima(const std::vector<serie_chilometrica>& serie, std::int64_t progressiva) {
  const punto_chilometrico p = punto_di(serie, progressiva);
  const double km = static_cast<double>(p.metri) / 1000.0;
  return std::to_string(static_cast<std::int64_t>(p.da_serie ? std::ceil(km) : std::floor(km)));
}

// Two progressives of one cell, as the compiler places a slowdown.
bool stessa_cella(std::int64_t a, std::int64_t b) {
  return cella_di_oggetto(static_cast<double>(a)) == cella_di_oggetto(static_cast<double>(b));
}

std::string senza_spazi_ordine(std::string s) {
  s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
  return s;
}

// ": il pi\xC3\xB9 vicino inizia a N", for a progressive that starts no
// slowdown; empty when there is none.
template <class T>
std::string vicino(const std::vector<T>& v, std::int64_t progressiva) {
  const T* migliore = nullptr;
  for (const T& x : v)
    if (!migliore || std::llabs(x.r.progressiva - progressiva) < std::llabs(migliore->r.progressiva - progressiva))
      migliore = &x;
  return migliore ? ": il pi\xC3\xB9 vicino inizia a " + std::to_string(migliore->r.progressiva) : "";
}

}  // namespace

std::string cippo_dell_ordine(const Form1& f, std::int64_t progressiva) {
  return cippo_prima(serie_chilometriche(f.stazioni), progressiva);
}

std::vector<riga_ordine> righe_dell_ordine(const Form1& f, const tabella_documenti& t, const std::string& file_tabella,
                                           std::vector<std::string>& errori) {
  const std::vector<serie_chilometrica> serie = serie_chilometriche(f.stazioni);
  const std::vector<const stazione*> stazioni = stazioni_del_modello(f);
  struct trovato {
    riga_ordine r;
    std::int64_t cella = -1;
  };
  std::vector<trovato> v;
  // A slowdown's start cell holds its speed; its end cell is the next of
  // that kind.
  for (std::int32_t i = 0; i <= f.numero_celle && f.percorso_esiste(); ++i) {
    const cella& c = f.cella_n(i);
    if (c.tipo != cella_inizio_rallentamento) continue;
    std::int32_t j = i + 1;
    while (j <= f.numero_celle && f.cella_n(j).tipo != cella_fine_rallentamento) ++j;
    trovato x;
    x.cella = i;
    x.r.progressiva = progressiva_di_oggetto(i);
    x.r.stazioni = stazioni_intorno(stazioni, x.r.progressiva);
    x.r.cippo = cippo_prima(serie, x.r.progressiva);
    x.r.velocita = std::to_string(c.valore_1);
    if (j <= f.numero_celle) x.r.lunghezza = std::to_string(metri_di_cella(std::int64_t{j} - i));
    v.push_back(x);
  }
  for (const prescrizioni_rallentamento& p : t.prescrizioni) {
    const auto r = std::find_if(v.begin(), v.end(), [&](const trovato& x) {
      return x.cella == cella_di_oggetto(static_cast<double>(p.progressiva));
    });
    if (r == v.end()) {
      errori.push_back(file_tabella + ":" + std::to_string(p.riga) + ": nessun rallentamento del file del treno " +
                       "inizia a progressiva " + std::to_string(p.progressiva) + vicino(v, p.progressiva));
      continue;
    }
    r->r.prescrizioni = p.lettere;
  }
  for (const rallentamento_su_carta& c : t.su_carta) {
    trovato x;
    x.r.progressiva = c.progressiva;
    x.r.stazioni = c.stazioni.empty() ? stazioni_intorno(stazioni, c.progressiva) : c.stazioni;
    x.r.cippo = cippo_prima(serie, c.progressiva);
    x.r.velocita = std::to_string(c.velocita);
    x.r.lunghezza = std::to_string(c.lunghezza);
    x.r.prescrizioni = c.prescrizioni;
    v.push_back(x);
  }
  std::stable_sort(v.begin(), v.end(),
                   [](const trovato& a, const trovato& b) { return a.r.progressiva < b.r.progressiva; });
  std::vector<riga_ordine> righe;
  for (const trovato& x : v) righe.push_back(x.r);
  // A cell as printed follows its slowdown: one moved in the train file is
  // named, not dressed in another's cell.
  for (const cella_stampata& c : t.celle_ordine)
    if (std::none_of(righe.begin(), righe.end(),
                     [&](const riga_ordine& r) { return stessa_cella(r.progressiva, c.chiave); }))
      errori.push_back(file_tabella + ":" + std::to_string(c.riga) + ": nessun rallentamento dell'ordine inizia a " +
                       "progressiva " + std::to_string(c.chiave) + vicino(v, c.chiave));
  return righe;
}

celle_ordine celle_calcolate(std::size_t k, const riga_ordine& r) {
  celle_ordine c = {std::to_string(k + 1), r.stazioni, r.cippo, r.velocita, r.lunghezza, r.prescrizioni};
  for (std::size_t j = 0; j < c.size(); ++j) c[j] = al_centro(c[j], colonne_ordine[j]);
  return c;
}

std::string testo_ordine(const std::vector<riga_ordine>& righe, const std::string& treno, const Form1& f,
                         const tabella_documenti& t) {
  const std::vector<const stazione*> stazioni = stazioni_del_modello(f);
  std::string linea = stazioni.empty() ? "" : stazioni.front()->nome + " " + stazioni.back()->nome;
  documento_ordine d{linea, treno, {}, {}};
  for (std::size_t k = 0; k < righe.size(); ++k) {
    const riga_ordine& r = righe[k];
    celle_ordine c = celle_calcolate(k, r);
    // A cell as printed stands where the computed one is empty or says the
    // same but for its blanks: an edit of the sources still shows.
    for (const cella_stampata& x : t.celle_ordine) {
      if (!stessa_cella(x.chiave, r.progressiva)) continue;
      const std::string calcolata = senza_spazi_ordine(c[x.colonna]);
      if (calcolata.empty() || calcolata == senza_spazi_ordine(x.testo)) c[x.colonna] = x.testo;
    }
    d.righe.push_back(c);
  }
  for (const voce_prescrizione& v : t.legenda)
    d.legenda.push_back(v.lettera.empty() ? "     " + v.testo : " " + v.lettera + " - " + v.testo);
  return testo_documento(righe_ordine_documento(d));
}
