#include "scenario/documenti_autore/tabella_incorporata.h"

#include <algorithm>
#include <set>
#include <string_view>

#include "base/stato.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"
#include "documents/celle_testo.h"
#include "documents/dati_rallentamenti.h"
#include "documents/dati_scheda.h"
#include "scenario/documenti_autore/grammatica_documenti.h"
#include "scenario/documenti_autore/ordine_autore.h"
#include "scenario/documenti_autore/scheda_autore.h"
#include "scenario/documenti_autore/tabella_documenti.h"
#include "scenario/sorgenti/compilazione_memoria.h"

namespace {

std::string senza_blank_incorporata(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

// A record: its fields joined by commas, no blank at the end of the line.
std::string record_incorporato(std::initializer_list<std::string> campi) {
  std::string r;
  for (const std::string& c : campi) r += (r.empty() ? "" : ", ") + c;
  return senza_blank_incorporata(r);
}

std::string come_stampata(const std::string& cella) { return "|" + cella + "|"; }

// The words of a time cell: departure alone, or arrival and departure.
void orari_della_cella(const std::string& cella, std::string& arrivo, std::string& orario) {
  const std::string t = senza_blank_incorporata(cella);
  const std::size_t spazio = t.find(' ');
  if (spazio == std::string::npos) {
    orario = t;
    return;
  }
  arrivo = t.substr(0, spazio);
  orario = senza_blank_incorporata(t.substr(spazio));
}

// The embedded sources read as the compiler reads them.
std::unique_ptr<Form1> modello_incorporato() {
  testi_sorgente testi;
  testi.linea_esiste = testi.treno_esiste = true;
  testi.linea = testo_righe(righe_linea());
  testi.treno = testo_righe(righe_treno());
  compilazione_memoria c = compila_in_memoria(testi, "Velstra_Ordoven", "318", passi_compilazione::lettura);
  if (c.fine) throw interruzione(*c.fine);
  return std::move(c.f);
}

// The sheet: header words, each printed row against the row the sources give
// at its progressive (a station under the same name is completed, any other
// row is the table's own), the sources' rows the paper leaves out, and the
// cells the paper lays out its own way.
void righe_della_scheda_incorporata(const Form1& f, std::vector<std::string>& out) {
  const std::vector<pagina_scheda_incorporata>& pagine = pagine_scheda();
  const intestazione_scheda& h = pagine.front().intestazione;
  std::string massa = h.massa;
  if (!massa.empty() && massa.back() == 'T') massa.pop_back();
  out.push_back(record_incorporato({"classificazione", h.classificazione}));
  out.push_back(record_incorporato({"massa", massa}));
  out.push_back(record_incorporato({"rango", h.rango}));
  out.push_back(record_incorporato({"nota", senza_blank_incorporata(pagine.back().nota)}));
  for (std::size_t p = 0; p < pagine.size(); ++p)
    out.push_back(record_incorporato(
        {"pagina", std::to_string(p + 1), pagine[p].intestazione.etichetta, come_stampata(pagine[p].nota)}));

  std::vector<std::string> ignorati;
  const std::vector<riga_scheda> sorgenti = righe_della_scheda(f, {}, "", ignorati);
  std::int64_t ultima_stazione = -1;
  for (const riga_scheda& s : sorgenti)
    if (s.tipo == riga_scheda::genere::stazione) ultima_stazione = s.progressiva;
  std::vector<bool> usata(sorgenti.size());
  std::vector<std::string> celle;
  bool prima = true;
  for (std::size_t p = 0; p < pagine.size(); ++p)
    for (std::size_t k = p == 0 ? 0 : 1; k < pagine[p].righe.size(); ++k) {
      const riga_scheda_incorporata& stampata = pagine[p].righe[k];
      const celle_scheda& c = stampata.celle;
      riga_scheda r;
      r.progressiva = stampata.progressiva;
      r.limite = senza_blank_incorporata(c[0]);
      r.marcia = senza_blank_incorporata(c[1]);
      r.km = senza_blank_incorporata(c[2]);
      r.no_rs = senza_blank_incorporata(c[3]);
      r.nome = senza_blank_incorporata(c[4]);
      orari_della_cella(c[5], r.arrivo, r.orario);
      r.recupero = senza_blank_incorporata(c[6]);
      std::size_t i = 0;
      while (i < sorgenti.size() && (usata[i] || sorgenti[i].tipo != riga_scheda::genere::stazione ||
                                     sorgenti[i].progressiva != r.progressiva || sorgenti[i].nome != r.nome))
        ++i;
      const bool della_stazione = i < sorgenti.size();
      if (della_stazione) usata[i] = true;
      // A station's time from the train file stands as it is.
      const std::string orario = della_stazione && sorgenti[i].orario == r.orario ? "" : r.orario;
      out.push_back(record_incorporato({"riga_stampata", std::to_string(r.progressiva), r.limite, r.marcia, r.km,
                                        r.no_rs, r.arrivo, orario, r.recupero, della_stazione ? "" : r.nome}));
      const celle_scheda composte = celle_della_riga(r, prima, della_stazione && r.progressiva == ultima_stazione);
      for (std::size_t j = 0; j < c.size(); ++j)
        if (composte[j] != c[j])
          celle.push_back(record_incorporato({"cella_scheda", std::to_string(r.progressiva),
                                              std::string(colonne_scheda_documenti()[j]), come_stampata(c[j])}));
      prima = false;
    }
  std::set<std::int64_t> omesse, tenute;
  for (std::size_t i = 0; i < sorgenti.size(); ++i) (usata[i] ? tenute : omesse).insert(sorgenti[i].progressiva);
  out.emplace_back("; Le righe dei sorgenti che la scheda stampata non mostra.");
  for (std::int64_t p : omesse)
    if (!tenute.count(p)) out.push_back(record_incorporato({"ometti", std::to_string(p)}));
  if (!celle.empty()) out.emplace_back("; Le celle che la scheda stampata impagina a modo suo.");
  out.insert(out.end(), celle.begin(), celle.end());
}

// The first progressive of the run whose kilometre post is cippo.
std::int64_t progressiva_del_cippo(const Form1& f, const std::string& cippo) {
  const std::vector<const stazione*> stazioni = stazioni_del_modello(f);
  if (stazioni.empty()) return 0;
  for (std::int64_t p = stazioni.front()->progressiva; p <= stazioni.back()->progressiva; p += 50)
    if (cippo_dell_ordine(f, p) == cippo) return p;
  return stazioni.front()->progressiva;
}

// The order: each printed row against the train file's slowdowns (the same
// speed and length) with its prescriptions, the others on paper only; the
// cells the paper centres its own way, by the start of their slowdown; the
// key.
void righe_dell_ordine_incorporato(const Form1& f, std::vector<std::string>& out) {
  const documento_ordine d = ordine_incorporato();
  std::vector<std::string> ignorati;
  const std::vector<riga_ordine> dal_treno = righe_dell_ordine(f, {}, "", ignorati);
  std::vector<bool> usata(dal_treno.size());
  std::vector<std::string> celle;
  for (std::size_t k = 0; k < d.righe.size(); ++k) {
    const celle_ordine& c = d.righe[k];
    riga_ordine r{0,
                  senza_blank_incorporata(c[1]),
                  senza_blank_incorporata(c[2]),
                  senza_blank_incorporata(c[3]),
                  senza_blank_incorporata(c[4]),
                  senza_blank_incorporata(c[5])};
    std::size_t i = 0;
    while (i < dal_treno.size() &&
           (usata[i] || dal_treno[i].velocita != r.velocita || dal_treno[i].lunghezza != r.lunghezza))
      ++i;
    riga_ordine composta;
    if (i < dal_treno.size()) {
      usata[i] = true;
      composta = dal_treno[i];
      composta.prescrizioni = r.prescrizioni;
      if (!r.prescrizioni.empty())
        out.push_back(record_incorporato({"prescrizioni", std::to_string(composta.progressiva), r.prescrizioni}));
    } else {
      composta = r;
      composta.progressiva = progressiva_del_cippo(f, r.cippo);
      composta.cippo = cippo_dell_ordine(f, composta.progressiva);
      out.push_back(record_incorporato({"rallentamento_su_carta", std::to_string(composta.progressiva), r.velocita,
                                        r.lunghezza, r.prescrizioni, r.stazioni}));
    }
    const celle_ordine composte = celle_calcolate(k, composta);
    for (std::size_t j = 1; j < c.size(); ++j)
      if (composte[j] != c[j])
        celle.push_back(record_incorporato({"cella_ordine", std::to_string(composta.progressiva),
                                            std::string(colonne_ordine_documenti()[j]), come_stampata(c[j])}));
  }
  out.insert(out.end(), celle.begin(), celle.end());
  for (const std::string& l : d.legenda) {
    if (l.size() > 5 && l.compare(0, 5, "     ") == 0)
      out.push_back(record_incorporato({"prescrizione", "", l.substr(5)}));
    else if (const std::size_t trattino = l.find(" - "); trattino != std::string::npos)
      out.push_back(
          record_incorporato({"prescrizione", senza_blank_incorporata(l.substr(0, trattino)), l.substr(trattino + 3)}));
  }
}

}  // namespace

std::vector<std::string> righe_tabella_incorporata() {
  const std::unique_ptr<Form1> f = modello_incorporato();
  std::vector<std::string> out = {
      "; La tabella dei documenti del macchinista dello scenario incorporato: ci\xF2 che la",
      "; scheda treno e l'ordine di rallentamento stampano e i sorgenti non dicono.",
      "; Il formato: scenario formato documenti.",
      "",
  };
  righe_della_scheda_incorporata(*f, out);
  out.emplace_back("");
  righe_dell_ordine_incorporato(*f, out);
  return out;
}
