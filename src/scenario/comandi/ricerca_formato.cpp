#include "scenario/comandi/ricerca_formato.h"

#include <algorithm>

#include "base/distanza_parole.h"
#include "compiler/grammatica.h"
#include "scenario/documenti_autore/grammatica_documenti.h"
#include "scenario/sorgenti/manuale_formato.h"
#include "scenario/sorgenti/valori_incorporati.h"

namespace {

// One page of the manual and the words that lead to it.
struct voce_indice {
  luogo_manuale luogo;                                      // titolo, nome, pagina; di_nome unset
  std::vector<std::string> nomi_propri;                     // folded
  std::vector<std::pair<std::string, std::string>> parole;  // folded word, the title it gives
  const forma_record* record = nullptr;  // a source record's page: tested by its reader's keyword test
};

// The folded words of a name, one by one, those of three letters or more.
std::vector<std::string> parole_di(std::string_view nome) {
  std::vector<std::string> v;
  const std::string p = parola_piegata(nome);
  for (std::size_t i = 0; i < p.size();) {
    const std::size_t j = std::min(p.find(' ', i), p.size());
    if (j >= i + 3) v.push_back(p.substr(i, j - i));  // no "e", "a", "di"
    i = j + 1;
  }
  return v;
}

std::string in_codice(std::string_view t) { return "`" + std::string(t) + "`"; }

void indice_record(std::vector<voce_indice>& indice) {
  for (auto forme : {forme_generale(), forme_linea(), forme_treno()})
    for (const forma_record& r : forme) {
      voce_indice v;
      v.luogo = {"il record " + in_codice(r.nome), std::string(r.nome), pagina_record(r)};
      v.nomi_propri = {parola_piegata(r.nome), parola_piegata(r.nome_genere)};
      v.record = &r;
      for (const std::string& p : parole_di(r.nome)) v.parole.push_back({p, v.luogo.titolo});
      for (std::size_t k = 0; k < r.campi.size(); ++k)
        v.parole.push_back(
            {parola_piegata(r.campi[k].nome),
             "il campo " + std::to_string(k + 1) + " " + in_codice(r.campi[k].nome) + " di " + in_codice(r.nome)});
      indice.push_back(std::move(v));
    }
}

void indice_sezioni(std::vector<voce_indice>& indice) {
  for (const sezione_incorporata& s : sezioni_incorporate()) {
    std::string pagina = "## La sezione " + in_codice(s.intestazione) +
                         "\n\nIl compilatore non usa le intestazioni: riconosce ogni record dalla sua parola chiave. "
                         "Nei sorgenti incorporati sotto " +
                         in_codice(s.intestazione);
    if (s.record.empty()) {
      pagina += " non c'\xC3\xA8 nessun record.\n\n";
      for (const capitolo_manuale& c : capitoli_manuale())
        if (c.nome == "lettura") pagina += c.testo;
    } else {
      pagina += " stanno i record:";
      for (std::size_t k = 0; k < s.record.size(); ++k) pagina += (k ? ", " : " ") + in_codice(s.record[k]->nome);
      pagina += ".\n\n";
      for (const forma_record* r : s.record) pagina += pagina_record(*r);
    }
    voce_indice v;
    v.luogo = {"la sezione " + in_codice(s.intestazione), parola_piegata(s.intestazione), pagina};
    v.nomi_propri = {parola_piegata(s.intestazione)};
    indice.push_back(std::move(v));
  }
}

// A chapter by its name and the words of its title; the warnings' chapter by
// each warning it names too.
void indice_capitoli(std::vector<voce_indice>& indice) {
  for (const capitolo_manuale& c : capitoli_manuale()) {
    voce_indice v;
    v.luogo = {"il capitolo \"" + std::string(c.titolo) + "\"", std::string(c.nome), c.testo};
    v.nomi_propri = {parola_piegata(c.nome)};
    for (const std::string& p : parole_di(c.titolo)) v.parole.push_back({p, v.luogo.titolo});
    for (const std::string& p : parole_di(c.parole)) v.parole.push_back({p, v.luogo.titolo});
    for (std::size_t i = c.testo.find('`'); i != std::string::npos; i = c.testo.find('`', i + 1)) {
      const std::size_t j = c.testo.find('`', i + 1);
      if (j == std::string::npos) break;
      const std::string codice = c.testo.substr(i + 1, j - i - 1);
      // A warning's code: letters joined by '-' ("record-corto").
      if (codice.find('-') != std::string::npos && codice.front() >= 'a' && codice.front() <= 'z')
        v.parole.push_back({parola_piegata(codice),
                            "l'avviso " + in_codice(codice) + " nel capitolo \"" + std::string(c.titolo) + "\""});
      i = j;
    }
    indice.push_back(std::move(v));
  }
}

void indice_documenti(std::vector<voce_indice>& indice) {
  voce_indice v;
  v.luogo = {"la tabella dei documenti", "documenti", manuale_tabella_documenti()};
  v.nomi_propri = {"documenti", "tabella documenti"};
  for (const record_documenti& r : grammatica_documenti()) {
    v.nomi_propri.push_back(parola_piegata(r.chiave));
    for (const campo_documenti& c : r.campi) {
      const std::string titolo =
          "il campo " + std::string(c.nome) + " del record " + in_codice(r.chiave) + " della tabella dei documenti";
      v.parole.push_back({parola_piegata(c.nome), titolo});
      v.parole.push_back({parola_piegata(c.etichetta), titolo});
    }
  }
  indice.push_back(std::move(v));
}

// In the manual's order: the chapters before the records, the records, the
// sections of the embedded sources, the documents table.
const std::vector<voce_indice>& indice_manuale() {
  static const std::vector<voce_indice> indice = [] {
    std::vector<voce_indice> v;
    indice_capitoli(v);
    indice_record(v);
    indice_sezioni(v);
    indice_documenti(v);
    return v;
  }();
  return indice;
}

// The reader's own keyword test, on the word as the author would write it.
bool chiave_del_record(const forma_record& r, const std::string& piegata) {
  std::string con_trattini = piegata;
  std::replace(con_trattini.begin(), con_trattini.end(), ' ', '_');
  return corrisponde(r, piegata) || corrisponde(r, con_trattini);
}

}  // namespace

std::string parola_piegata(std::string_view parola) {
  std::string t;
  for (std::size_t i = 0; i < parola.size(); ++i) {
    auto c = static_cast<unsigned char>(parola[i]);
    if (c == 0xC3 && i + 1 < parola.size()) {
      // U+00C0 to U+00FF: the accented vowels lose their accent.
      const auto d = static_cast<unsigned char>(parola[i + 1]) | 0x20;
      const char* base = nullptr;
      if (d >= 0xA0 && d <= 0xA5) base = "a";
      if (d >= 0xA8 && d <= 0xAB) base = "e";
      if (d >= 0xAC && d <= 0xAF) base = "i";
      if ((d >= 0xB2 && d <= 0xB6) || d == 0xB8) base = "o";
      if (d >= 0xB9 && d <= 0xBC) base = "u";
      if (base) {
        t += base;
        ++i;
        continue;
      }
    }
    if (c == '_' || c == '-' || c == ' ' || c == '\t') {
      if (!t.empty() && t.back() != ' ') t += ' ';
    } else if (c != '[' && c != ']' && c != '`' && c != '\'' && c != '"') {
      t += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
  }
  while (!t.empty() && t.back() == ' ') t.pop_back();
  return t;
}

esito_ricerca cerca_nel_manuale(std::string_view parola) {
  const std::string p = parola_piegata(parola);
  esito_ricerca e;
  if (p.empty()) return e;
  std::vector<luogo_manuale> propri, altri;
  std::size_t primo_per_chiave = std::string::npos;  // in altri: a record whose keyword the word is
  for (const voce_indice& v : indice_manuale()) {
    if (std::find(v.nomi_propri.begin(), v.nomi_propri.end(), p) != v.nomi_propri.end()) {
      luogo_manuale l = v.luogo;
      l.di_nome = true;
      // A source record of that name comes before a section or a table's record.
      if (v.record)
        propri.insert(propri.begin(), l);
      else
        propri.push_back(l);
      continue;
    }
    luogo_manuale l = v.luogo;
    const auto parola_uguale =
        std::find_if(v.parole.begin(), v.parole.end(), [&](const auto& x) { return x.first == p; });
    if (parola_uguale != v.parole.end())
      l.titolo = parola_uguale->second;
    else if (!v.record || !chiave_del_record(*v.record, p))
      continue;
    else if (primo_per_chiave == std::string::npos)
      primo_per_chiave = altri.size();
    altri.push_back(l);
  }
  // No page of that name: the record the reader would take the word for
  // ("velocita_limite" is a speed record) is the word's page.
  if (propri.empty() && primo_per_chiave != std::string::npos) {
    propri.push_back(altri[primo_per_chiave]);
    propri.back().di_nome = true;
    altri.erase(altri.begin() + static_cast<std::ptrdiff_t>(primo_per_chiave));
  }
  e.luoghi = std::move(propri);
  e.luoghi.insert(e.luoghi.end(), altri.begin(), altri.end());
  if (!e.luoghi.empty()) return e;

  std::vector<std::string> nomi;
  for (const voce_indice& v : indice_manuale()) {
    nomi.insert(nomi.end(), v.nomi_propri.begin(), v.nomi_propri.end());
    for (const auto& x : v.parole) nomi.push_back(x.first);
  }
  std::vector<std::string_view> candidati(nomi.begin(), nomi.end());
  // Two edits for a word of six letters or more, one for three to five.
  e.proposta = std::string(parola_piu_vicina(p, candidati, std::min<std::size_t>(2, p.size() / 3)));
  return e;
}
