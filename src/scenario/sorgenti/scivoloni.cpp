#include "scenario/sorgenti/scivoloni.h"

#include <algorithm>
#include <cstdint>

#include "base/distanza_parole.h"
#include "compiler/confronto_voci.h"
#include "compiler/lettore_voci.h"
#include "scenario/testo/da_1252.h"

namespace {

bool bianco_scivoloni(char c) { return c == ' ' || c == '\t'; }
bool cifra(char c) { return c >= '0' && c <= '9'; }
bool fine_riga_scivoloni(char c) { return c == '\r' || c == '\n'; }

// An item as a message quotes it: UTF-8, a long one cut.
std::string apici(std::string_view voce) {
  constexpr std::size_t massimo = 40;
  if (voce.size() > massimo) return "'" + utf8_da_1252(voce.substr(0, massimo)) + "...'";
  return "'" + utf8_da_1252(voce) + "'";
}

std::string minuscole(std::string_view t) {
  std::string r(t);
  for (char& c : r)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return r;
}

// A number as the reader takes one: a digit, after a sign or not.
bool comincia_numero(std::string_view t) {
  const std::size_t i = !t.empty() && (t[0] == '+' || t[0] == '-') ? 1 : 0;
  return i < t.size() && cifra(t[i]);
}

// Seconds as HH:MM:SS (hours past 99 as they are).
std::string orario(std::int64_t secondi) {
  std::string r = secondi < 0 ? "-" : "";
  const std::int64_t x = secondi < 0 ? -secondi : secondi;
  auto due = [](std::int64_t n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  return r + due(x / 3600) + ":" + due(x / 60 % 60) + ":" + due(x % 60);
}

std::size_t indice_campo(const forma_record& f, std::string_view nome) {
  for (std::size_t k = 0; k < f.campi.size(); ++k)
    if (f.campi[k].nome == nome) return k;
  return f.campi.size();
}

// A station's time as read: hours, minutes, seconds; nullopt for another record.
struct orario_stazione {
  std::size_t ore, minuti, secondi, nome;
};
std::optional<orario_stazione> campi_orario(const forma_record& f) {
  if (f.genere != genere_record::stazione) return std::nullopt;
  return orario_stazione{indice_campo(f, "ore"), indice_campo(f, "minuti"), indice_campo(f, "secondi"),
                         indice_campo(f, "nome")};
}

std::int64_t secondi_di(const record_struttura& r, const orario_stazione& o) {
  return (std::int64_t{r.campi[o.ore].numero} * 60 + r.campi[o.minuti].numero) * 60 + r.campi[o.secondi].numero;
}

std::span<const forma_record> forme_sezione(const struttura_sorgente& s, bool generale) {
  if (generale) return forme_generale();
  return s.treno ? forme_treno() : forme_linea();
}

const char* dove(const struttura_sorgente& s, bool generale) {
  if (generale) return "della sezione [generale]";
  return s.treno ? "del file del treno" : "del file della linea";
}

// Digits and letters O only, with one of each at least: the O is a zero.
bool o_per_zero(std::string_view t, std::string& corretto) {
  std::size_t i = (!t.empty() && (t[0] == '-' || t[0] == '+')) ? 1 : 0;
  bool ha_cifra = false, ha_o = false;
  corretto = t.substr(0, i);
  for (; i < t.size(); ++i) {
    if (cifra(t[i])) {
      ha_cifra = true;
      corretto += t[i];
    } else if (t[i] == 'O' || t[i] == 'o') {
      ha_o = true;
      corretto += '0';
    } else {
      return false;
    }
  }
  return ha_cifra && ha_o;
}

// Two numbers joined by ':' or '.', as a time is written elsewhere ("13:57",
// "13.57"): the record takes them as two items.
bool due_in_uno(std::string_view t, std::string& separati) {
  std::size_t i = 0;
  while (i < t.size() && cifra(t[i])) ++i;
  if (i == 0 || i + 1 >= t.size() || (t[i] != ':' && t[i] != '.')) return false;
  for (std::size_t k = i + 1; k < t.size(); ++k)
    if (!cifra(t[k])) return false;
  separati = std::string(t.substr(0, i)) + ", " + std::string(t.substr(i + 1));
  return true;
}

class ricerca {
 public:
  ricerca(const std::string& byte, const struttura_sorgente& s) : b_(byte), s_(s) {}

  std::vector<scivolone> trova() {
    for (const record_struttura& r : s_.record)
      if (r.completo() && !r.campi.empty()) record(r);
    parole();
    orari();
    std::stable_sort(v_.begin(), v_.end(), [](const scivolone& a, const scivolone& x) { return a.offset < x.offset; });
    return std::move(v_);
  }

 private:
  std::size_t riga(std::size_t o) const { return s_.righe.riga(o); }
  std::string_view testo(const voce_record& v) const {
    return std::string_view(b_).substr(v.inizio, v.fine - v.inizio);
  }

  // The piece of the line from o to its next comma or line end, blanks trimmed.
  std::string_view pezzo(std::size_t o) const {
    std::size_t f = o;
    while (f < b_.size() && b_[f] != ',' && !fine_riga_scivoloni(b_[f])) ++f;
    while (f > o && bianco_scivoloni(b_[f - 1])) --f;
    return std::string_view(b_).substr(o, f - o);
  }

  bool inizia_riga(std::size_t o) const {
    for (std::size_t a = s_.righe.inizio(riga(o)); a < o; ++a)
      if (!bianco_scivoloni(b_[a])) return false;
    return true;
  }

  bool spostato(const record_struttura& r) const {
    return std::binary_search(spostati_.begin(), spostati_.end(), r.inizio);
  }

  // What the record became, from its field k on.
  std::string diventa(const record_struttura& r, std::size_t k) const {
    if (const auto o = campi_orario(*r.forma))
      return "la stazione si chiamer\xC3\xA0 " + apici(r.campi[o->nome].testo) + ", orario " +
             orario(secondi_di(r, *o));
    std::string m = "il record '" + std::string(r.forma->nome) + "' \xC3\xA8 letto con ";
    constexpr std::size_t mostrati = 4;
    for (std::size_t j = k; j < r.campi.size() && j < k + mostrati; ++j) {
      const campo_record& c = r.forma->campi[j];
      m += (j > k ? ", " : "") + std::string(c.nome) + " ";
      m += c.genere == genere_campo::testo ? apici(r.campi[j].testo) : std::to_string(r.campi[j].numero);
    }
    if (r.campi.size() > k + mostrati) m += "...";
    return m;
  }

  // The record read from the keyword's line alone, with the bytes da..a
  // replaced: whether it then reads its items as written.
  bool riga_piana(const record_struttura& r, std::size_t da, std::size_t a, const std::string& nuovo) const {
    const std::size_t n = riga(r.inizio);
    const std::size_t inizio = s_.righe.inizio(n), fine = s_.righe.fine(n);
    const std::string linea = b_.substr(inizio, da - inizio) + nuovo + b_.substr(a, fine - a);
    const record_struttura letto = leggi_riga_record(*r.forma, linea);
    if (!letto.completo()) return false;
    for (std::size_t k = 0; k + 1 < letto.campi.size(); ++k)
      if (spezza(*r.forma, linea, letto, k)) return false;
    return true;
  }

  // Field k, a number, read the first word of a text whose rest the next
  // field takes ("LODI CENTRALE": "LODI" is read as 0, the name is "CENTRALE").
  static bool spezza(const forma_record& f, std::string_view t, const record_struttura& r, std::size_t k) {
    if (f.campi[k].genere == genere_campo::testo || k + 1 >= r.campi.size()) return false;
    const voce_record& v = r.campi[k];
    if (comincia_numero(t.substr(v.inizio, v.fine - v.inizio))) return false;
    for (std::size_t i = v.fine; i < r.campi[k + 1].inizio; ++i)
      if (t[i] == ',' || fine_riga_scivoloni(t[i])) return false;
    return true;
  }

  // A record whose items are not those its line shows.
  void record(const record_struttura& r) {
    const std::size_t n = riga(r.inizio);
    std::optional<std::size_t> spezzato, preso;
    for (std::size_t k = 0; k < r.campi.size(); ++k) {
      if (!preso && riga(r.campi[k].inizio) != n) preso = k;
      if (!spezzato && !preso && spezza(*r.forma, b_, r, k)) spezzato = k;
    }
    // The item the record takes from a later line begins a record or a section.
    std::string_view rubato;
    if (preso && inizia_riga(r.campi[*preso].inizio)) {
      const std::string_view p = pezzo(r.campi[*preso].inizio);
      const auto forme = forme_sezione(s_, r.forma->sezione == sezione_grammatica::generale);
      if (intestazione_sezione(p) ||
          std::any_of(forme.begin(), forme.end(), [&](const forma_record& f) { return corrisponde(f, p); }))
        rubato = p;
    }
    lettere_o(r);
    if (!spezzato && rubato.empty()) return;
    spostati_.push_back(r.inizio);
    std::size_t primo = spezzato ? *spezzato : *preso;  // the first field read otherwise
    scivolone x;
    x.errore = true;
    x.codice = "record-spostato";
    x.offset = r.inizio;
    x.copre_da = r.inizio;
    x.copre_a = r.campi.back().fine + 1;
    // The one item that holds two: splitting it makes the line read plainly.
    for (std::size_t k = 0; k < r.campi.size() && riga(r.campi[k].inizio) == n; ++k) {
      std::string separati;
      if (r.forma->campi[k].genere == genere_campo::testo || !due_in_uno(testo(r.campi[k]), separati)) continue;
      if (!riga_piana(r, r.campi[k].inizio, r.campi[k].fine, separati)) continue;
      x.offset = r.campi[k].inizio;
      primo = k;
      x.messaggio = apici(testo(r.campi[k])) + " \xC3\xA8 un valore solo, letto come " +
                    std::to_string(r.campi[k].numero) + ": i valori che seguono scorrono di un posto e ";
      x.correzione = correzione_scivolone{r.campi[k].inizio, r.campi[k].fine, separati,
                                          "Scrivi " + separati + ": due valori separati da una virgola"};
      break;
    }
    if (x.messaggio.empty())
      x.messaggio =
          "i valori della riga non vanno ai campi del record '" + std::string(r.forma->nome) +
          "' come sono scritti: " + (spezzato ? apici(pezzo(r.campi[*spezzato].inizio)) + " \xC3\xA8 diviso e " : "");
    x.messaggio += diventa(r, primo);
    if (!rubato.empty())
      x.messaggio +=
          "; il record prende la riga " + std::to_string(riga(r.campi[*preso].inizio) + 1) +
          (intestazione_sezione(rubato) ? ", l'intestazione " + apici(rubato) + ", come valore"
                                        : " e il record " + apici(rubato) + " che vi comincia non \xC3\xA8 letto");
    if (x.correzione) x.messaggio += "; si scrive '" + x.correzione->testo + "'";
    v_.push_back(std::move(x));
  }

  // A number written with the letter O for a zero.
  void lettere_o(const record_struttura& r) {
    for (std::size_t k = 0; k < r.campi.size(); ++k) {
      const campo_record& c = r.forma->campi[k];
      const voce_record& v = r.campi[k];
      std::string corretto;
      std::int32_t inteso = 0;
      if (c.genere == genere_campo::testo || !o_per_zero(testo(v), corretto) || !converti_numero(corretto, inteso) ||
          inteso == v.numero)
        continue;
      scivolone x;
      x.errore = true;
      x.codice = "lettera-o";
      x.offset = x.copre_da = v.inizio;
      x.copre_a = v.fine + 1;
      const std::string unita = c.unita.empty() ? "" : " " + std::string(c.unita);
      x.messaggio =
          apici(testo(v)) + " \xC3\xA8 letto come " + std::to_string(v.numero) + ": la lettera O sta per uno zero; ";
      if (c.nome == "progressiva")
        x.messaggio += "il record '" + std::string(r.forma->nome) + "' si sposta a " + std::to_string(v.numero) +
                       " m invece che a " + corretto + " m";
      else
        x.messaggio +=
            std::string(c.nome) + " vale " + std::to_string(v.numero) + unita + " invece di " + corretto + unita;
      x.correzione =
          correzione_scivolone{v.inizio, v.fine, corretto, "Scrivi " + corretto + ": la lettera O al posto dello zero"};
      v_.push_back(std::move(x));
    }
  }

  // A keyword a slip away from one of its section: the line is passed over.
  void parole() {
    for (const voce_sorgente& v : s_.voci) {
      if (v.ruolo != ruolo_voce::chiave || !v.inizio_riga) continue;
      const std::string_view t = testo_voce(b_, v);
      const auto forme = forme_sezione(s_, v.generale);
      if (t.empty() || intestazione_sezione(t) ||
          std::any_of(forme.begin(), forme.end(), [&](const forma_record& f) { return corrisponde(f, t); }))
        continue;
      // A keyword of the other file or section has its own warning.
      if (altrove(forme, t)) continue;
      const parola_vicina p = parola_piu_vicina(forme, t);
      if (!p.forma || p.distanza > distanza_scivolone) continue;
      scivolone x;
      x.errore = true;
      x.codice = "parola-vicina";
      x.offset = x.copre_da = v.inizio;
      x.copre_a = v.fine + 1;
      const std::string nome(p.forma->nome);
      x.messaggio = apici(t) + " non \xC3\xA8 una parola chiave " + dove(s_, v.generale) +
                    ": la riga \xC3\xA8 passata oltre e nessun record '" + nome + "' vi \xC3\xA8 letto; si scrive '" +
                    nome + "'";
      x.correzione = correzione_scivolone{v.inizio, v.fine, nome, "Scrivi " + nome};
      v_.push_back(std::move(x));
    }
  }

  static bool altrove(std::span<const forma_record> qui, std::string_view t) {
    for (auto forme : {forme_generale(), forme_linea(), forme_treno()}) {
      if (forme.data() == qui.data()) continue;
      for (const forma_record& f : forme) {
        forma_record senza = f;
        senza.senza_maiuscole = true;
        if (corrisponde(senza, t)) return true;
      }
    }
    return false;
  }

  // The stations' times: minutes or seconds of 60 or more, a time earlier
  // than the timed station before (back by 12 hours or less: more reads as
  // the next day).
  void orari() {
    const record_struttura* prima = nullptr;
    for (const record_struttura& r : s_.record) {
      const auto o = campi_orario(*r.forma);
      if (!o || !r.completo() || spostato(r)) continue;
      const std::int64_t t = secondi_di(r, *o);
      if (t == 0) continue;  // 0 0 0: no time
      for (const auto& [k, nome] : {std::pair{o->minuti, "minuti"}, std::pair{o->secondi, "secondi"}})
        if (r.campi[k].numero >= 60) {
          scivolone x;
          x.codice = "orario-oltre-59";
          x.offset = r.campi[k].inizio;
          x.messaggio = std::string(nome) + " " + std::to_string(r.campi[k].numero) + ", oltre 59: la stazione " +
                        apici(r.campi[o->nome].testo) + " ha l'orario " + orario(t);
          v_.push_back(std::move(x));
        }
      if (prima) {
        const std::int64_t p = secondi_di(*prima, *o);
        if (t < p && p - t <= 12 * 3600) {
          scivolone x;
          x.codice = "orario-indietro";
          x.offset = r.campi[o->ore].inizio;
          x.messaggio = "la stazione " + apici(r.campi[o->nome].testo) + " ha l'orario " + orario(t) +
                        ", prima della stazione " + apici(prima->campi[o->nome].testo) + " della riga " +
                        std::to_string(riga(prima->inizio) + 1) + " (" + orario(p) + ")";
          v_.push_back(std::move(x));
        }
      }
      prima = &r;
    }
  }

  const std::string& b_;
  const struttura_sorgente& s_;
  std::vector<scivolone> v_;
  std::vector<std::size_t> spostati_;  // the keywords of the records that shift, in file order
};

}  // namespace

std::vector<scivolone> scivoloni(const std::string& byte, const struttura_sorgente& s) {
  return ricerca(byte, s).trova();
}

parola_vicina parola_piu_vicina(std::span<const forma_record> forme, std::string_view voce) {
  parola_vicina migliore;
  for (const forma_record& f : forme) {
    const std::size_t d =
        f.senza_maiuscole ? distanza_parole(minuscole(voce), minuscole(f.nome)) : distanza_parole(voce, f.nome);
    if (!migliore.forma || d < migliore.distanza) migliore = {&f, d};
  }
  return migliore;
}

bool parola_da_proporre(const parola_vicina& p) {
  return p.forma && p.distanza <= 4 && 2 * p.distanza < p.forma->nome.size();
}
