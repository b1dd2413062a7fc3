#include "scenario/sorgenti/avvisi_sorgente.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "base/stato.h"
#include "compiler/confronto_voci.h"
#include "compiler/grammatica.h"
#include "scenario/sorgenti/scivoloni.h"
#include "scenario/sorgenti/struttura_sorgente.h"
#include "scenario/testo/da_1252.h"
#include "scenario/testo/indice_righe.h"

namespace {

constexpr std::size_t massimo_avvisi = 200;  // per file; the rest are counted

bool bianco_avvisi(char c) { return c == ' ' || c == '\t'; }

// An item as a warning quotes it: at most about 60 characters, so that a
// huge item (a whole file without commas) gives one short line, not the item.
constexpr std::size_t massimo_citato = 60;

std::string citata(std::string_view voce) {
  std::string r(1, '\'');
  if (voce.size() > massimo_citato) {
    r += utf8_da_1252(voce.substr(0, massimo_citato - 12));
    r += "...";
    r += utf8_da_1252(voce.substr(voce.size() - 9));
    r += "' (" + std::to_string(voce.size()) + " caratteri)";
    return r;
  }
  r += utf8_da_1252(voce);
  r += '\'';
  return r;
}

// The warnings of one file, over its one walk.
class percorso_avvisi {
 public:
  percorso_avvisi(const std::string& testo, const struttura_sorgente& s)
      : testo_(testo), s_(s), scivoloni_(scivoloni(testo, s)) {
    // The slips first: past the cap the warnings are counted, never an error.
    for (const scivolone& x : scivoloni_) {
      metti(x.offset, x.codice, x.messaggio, x.errore);
      coperture_.emplace_back(x.copre_da, x.copre_a);
    }
    std::sort(coperture_.begin(), coperture_.end());
  }

  const std::string& dati() const { return testo_; }
  const struttura_sorgente& struttura() const { return s_; }
  std::string testo(const voce_sorgente& v) const { return std::string(testo_voce(testo_, v)); }

  void aggiungi(std::size_t offset, std::string codice, std::string messaggio) {
    // A slip there says more (the UTF-8 of its bytes is another matter).
    if (codice != "utf8" && coperto(offset)) return;
    metti(offset, std::move(codice), std::move(messaggio), false);
  }

  std::vector<avviso> finisci() {
    std::stable_sort(avvisi_.begin(), avvisi_.end(),
                     [](const avviso& a, const avviso& b) { return a.offset < b.offset; });
    if (taciuti_ > 0) aggiungi_in_coda();
    return std::move(avvisi_);
  }

  // The 0-based line holding offset.
  std::size_t riga(std::size_t offset) const { return s_.righe.riga(offset); }

  // Offset of the line end of the line holding offset.
  std::size_t fine_riga(std::size_t offset) const { return s_.righe.fine(riga(offset)); }

  // The shape of one record after its keyword, and its numbers. False when
  // the file ends inside the record or a read in it is refused (the
  // compiler fails there).
  bool leggi_record(const record_struttura& r) {
    const forma_record& forma = *r.forma;
    const std::size_t riga_chiave = riga(r.inizio);
    bool corto = false;
    std::size_t letti = 0;
    for (std::size_t k = 0; k < r.campi.size(); ++k) {
      const voce_record& v = r.campi[k];
      const char campo = static_cast<char>(forma.campi[k].genere);
      if (!corto && riga(v.inizio) != riga_chiave) {
        corto = true;
        aggiungi(fine_riga(r.inizio), "record-corto",
                 "il record '" + std::string(forma.nome) + "' prende " + valori(forma.campi.size()) +
                     ", la riga ne ha " + std::to_string(letti) + ": il resto è letto dalla riga " +
                     std::to_string(riga(v.inizio) + 1));
      }
      if (!corto && campo != 't') controlla_numero(campo, v);
      ++letti;
    }
    if (!r.completo()) return false;
    const std::size_t fine = r.campi.empty() ? r.fine : r.campi.back().fine;
    const std::size_t separato = r.campi.empty() ? r.dopo : r.campi.back().dopo;
    if (!corto && separato < dati().size()) {
      // The separator after the last item: a comma or blanks keep the line going.
      if (riga(separato) == riga(fine)) {
        std::size_t dopo = separato;
        while (dopo < dati().size() && bianco_avvisi(dati()[dopo])) ++dopo;
        if (dopo == fine_riga(dopo))
          aggiungi(dopo, "record-lungo", "virgola in più alla fine della riga: il compilatore vi legge una voce vuota");
        else
          aggiungi(dopo, "record-lungo",
                   "voci in più: il record '" + std::string(forma.nome) + "' prende " + valori(forma.campi.size()) +
                       ", il resto della riga non ne fa parte e il compilatore lo scorre come voci a sé");
      }
    }
    return true;
  }

 private:
  static std::string valori(std::size_t n) { return std::to_string(n) + (n == 1 ? " valore" : " valori"); }

  // A number field against what the compiler makes of it.
  void controlla_numero(char campo, const voce_record& v) {
    const std::size_t inizio = v.inizio;
    const std::string_view testo(dati().data() + inizio, v.fine - inizio);
    const std::string letto = " è letto come " + std::to_string(v.numero);
    if (testo.empty()) {
      if (campo != 'v') aggiungi(inizio, "valore-vuoto", "valore vuoto: è letto come 0");
      return;
    }
    std::size_t i = (testo[0] == '+' || testo[0] == '-') ? 1 : 0;
    const std::size_t inizio_cifre = i;
    while (i < testo.size() && testo[i] >= '0' && testo[i] <= '9') ++i;
    const std::size_t cifre = i - inizio_cifre;
    if (cifre == 0) {
      const bool codice_in_lettere = campo == 'c' && std::all_of(testo.begin(), testo.end(), [](char c) {
                                       return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
                                     });
      if (!codice_in_lettere) aggiungi(inizio, "non-numero", citata(testo) + " non è un numero: è letto come 0");
      return;
    }
    if (i == testo.size()) return;
    // Groups of three digits after points: a thousands separator.
    auto cifra = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t j = i;
    bool migliaia = cifre <= 3;
    while (migliaia && j < testo.size()) {
      migliaia =
          testo[j] == '.' && j + 3 < testo.size() && cifra(testo[j + 1]) && cifra(testo[j + 2]) && cifra(testo[j + 3]);
      j += 4;
    }
    if (migliaia && j == testo.size()) {
      aggiungi(inizio, "separatore-migliaia", citata(testo) + letto + ": il punto non separa le migliaia");
      return;
    }
    std::size_t k = i;
    if (testo[k] == '.' && k + 1 < testo.size() && cifra(testo[k + 1])) {
      ++k;
      while (k < testo.size() && cifra(testo[k])) ++k;
      if (k == testo.size()) {
        aggiungi(inizio, "frazione", citata(testo) + letto + ": il record prende un numero intero");
        return;
      }
    }
    aggiungi(inizio, "caratteri-dopo-numero", citata(testo) + letto + ": " + citata(testo.substr(k)) + " è ignorato");
  }

  void aggiungi_in_coda() {
    const posizione_riga p = posizione_1(s_.righe, dati().size());
    avvisi_.push_back({dati().size(), p.riga, p.colonna, "altri-avvisi",
                       "altri " + std::to_string(taciuti_) + " avvisi in questo file non sono mostrati"});
  }

  // Whether a slip's bytes hold offset (the slips' ranges hardly overlap:
  // the two nearest before offset are looked at).
  bool coperto(std::size_t offset) const {
    auto dopo = std::upper_bound(coperture_.begin(), coperture_.end(), std::pair{offset, std::string::npos});
    for (int passi = 0; passi < 2 && dopo != coperture_.begin(); ++passi)
      if (offset < (--dopo)->second) return true;
    return false;
  }

  void metti(std::size_t offset, std::string codice, std::string messaggio, bool errore) {
    if (avvisi_.size() >= massimo_avvisi) {
      ++taciuti_;
      return;
    }
    const posizione_riga p = posizione_1(s_.righe, offset);
    avvisi_.push_back({offset, p.riga, p.colonna, std::move(codice), std::move(messaggio), errore});
  }

  const std::string& testo_;
  const struttura_sorgente& s_;
  std::vector<scivolone> scivoloni_;
  std::vector<std::pair<std::size_t, std::size_t>> coperture_;  // the slips' [copre_da, copre_a), sorted
  std::vector<avviso> avvisi_;
  std::size_t taciuti_ = 0;
};

const forma_record* forma_di(std::span<const forma_record> forme, std::string_view voce) {
  for (const forma_record& r : forme)
    if (corrisponde(r, voce)) return &r;
  return nullptr;
}

// Any keyword of either file, in any case: what an author meant as a record.
const forma_record* parola_chiave(std::string_view voce) {
  for (auto forme : {forme_generale(), forme_linea(), forme_treno()})
    for (const forma_record& r : forme) {
      forma_record senza = r;
      senza.senza_maiuscole = true;
      if (corrisponde(senza, voce)) return &r;
    }
  return nullptr;
}

bool in_tabella(std::span<const forma_record> forme, const forma_record* r) {
  return r && r >= forme.data() && r < forme.data() + forme.size();
}

// Records before the intestazione_generale item are skipped: the first is named, the others counted.
struct prima_di_generale {
  std::size_t offset = std::string::npos;
  std::string voce;
  std::size_t quanti = 0;
  void conta(const voce_sorgente& v, const std::string& testo) {
    if (!v.inizio_riga || !parola_chiave(testo)) return;
    if (quanti++ == 0) {
      offset = v.inizio;
      voce = testo;
    }
  }
  void segnala(percorso_avvisi& p) const {
    if (quanti == 0) return;
    std::string m = citata(voce) + " sta prima dell'intestazione [generale]: non è letto";
    if (quanti > 1) m += " (come altri " + std::to_string(quanti - 1) + " record)";
    p.aggiungi(offset, "prima-di-generale", m);
  }
};

// A keyword item met in a loop of a reader: its records, or the warning that
// the compiler passes it over. Items that do not begin their line are what
// is left of a record already warned about.
struct contesto_avvisi {
  std::span<const forma_record> forme;
  const char* dove;  // "della sezione [generale]", ...
  bool con_piano = true;
  bool dopo_fine = false;
  std::vector<std::size_t> letti = std::vector<std::size_t>(forme.size(), 0);  // records read, by shape

  std::size_t quanti(genere_record g) const {
    for (std::size_t k = 0; k < forme.size(); ++k)
      if (forme[k].genere == g) return letti[k];
    return 0;
  }
};

// The item's records are the walk's from `record` on (advanced past them).
// False when the file ends inside one, or a read in it is refused.
bool esamina(percorso_avvisi& p, contesto_avvisi& c, const voce_sorgente& v, std::size_t& record) {
  const std::string voce = p.testo(v);
  const std::size_t offset = v.inizio;
  const std::vector<record_struttura>& letti = p.struttura().record;
  bool riconosciuta = false;
  for (std::size_t k = 0; k < c.forme.size(); ++k) {
    const forma_record& r = c.forme[k];
    if (!corrisponde(r, voce)) continue;
    riconosciuta = true;
    if (r.solo_con_piano && !c.con_piano) continue;  // passed over as items, as asked
    if (record >= letti.size() || letti[record].inizio != offset || letti[record].forma != &r) return false;
    if (c.dopo_fine)
      p.aggiungi(offset, "dopo-fine", citata(voce) + " sta dopo [fine]: il compilatore lo legge comunque");
    ++c.letti[k];
    if (!p.leggi_record(letti[record++])) return false;
  }
  if (contiene_senza_maiuscole(voce, intestazione_fine)) c.dopo_fine = true;
  if (riconosciuta || voce.empty() || intestazione_sezione(voce) || !v.inizio_riga) return true;
  std::string m = citata(voce) + " non è una parola chiave " + c.dove + ": la riga è passata oltre";
  const forma_record* r = parola_chiave(voce);
  if (in_tabella(c.forme, r))
    m += " (le parole chiave di questa sezione distinguono maiuscole e minuscole)";
  else if (in_tabella(forme_generale(), r))
    m += " ('" + std::string(r->nome) + "' va nella sezione [generale])";
  else if (in_tabella(forme_linea(), r))
    m += " ('" + std::string(r->nome) + "' è un record della linea, dopo la sezione [generale])";
  else if (in_tabella(forme_treno(), r))
    m += " ('" + std::string(r->nome) + "' è un record del file del treno)";
  else if (const parola_vicina vicina = parola_piu_vicina(c.forme, voce); parola_da_proporre(vicina))
    m += " (la parola chiave più vicina è '" + std::string(vicina.forma->nome) + "')";
  p.aggiungi(offset, "parola-sconosciuta", m);
  return true;
}

// The file's last item is dropped unread: worth a word when it is a keyword.
void ultima_voce(percorso_avvisi& p, const contesto_avvisi& c, const voce_sorgente& v) {
  const std::string voce = p.testo(v);
  const forma_record* r = forma_di(c.forme, voce);
  if (r && !(r->solo_con_piano && !c.con_piano))
    p.aggiungi(v.inizio, "ultima-voce", citata(voce) + " è l'ultima voce del file: il compilatore non la legge");
}

// A run of bytes that is valid UTF-8 of more than one byte: text written as
// UTF-8, which the compiler reads byte by byte as Windows-1252.
std::size_t sequenza_utf8_avvisi(std::string_view t, std::size_t i) {
  auto b = [&](std::size_t k) { return k < t.size() ? static_cast<unsigned char>(t[k]) : 0u; };
  auto segue = [&](std::size_t k) { return (b(k) & 0xC0) == 0x80; };
  const unsigned c = b(i);
  if (c >= 0xC2 && c <= 0xDF) return segue(i + 1) ? 2 : 0;
  if (c >= 0xE0 && c <= 0xEF) {
    const unsigned d = b(i + 1);
    if ((c == 0xE0 && d < 0xA0) || (c == 0xED && d > 0x9F)) return 0;
    return segue(i + 1) && segue(i + 2) ? 3 : 0;
  }
  if (c >= 0xF0 && c <= 0xF4) {
    const unsigned d = b(i + 1);
    if ((c == 0xF0 && d < 0x90) || (c == 0xF4 && d > 0x8F)) return 0;
    return segue(i + 1) && segue(i + 2) && segue(i + 3) ? 4 : 0;
  }
  return 0;
}

// The first such sequence of each line.
void avvisi_utf8(percorso_avvisi& p) {
  const std::string& t = p.dati();
  std::size_t riga_segnalata = std::string::npos;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const std::size_t n = sequenza_utf8_avvisi(t, i);
    if (n == 0) continue;
    const std::size_t r = p.riga(i);
    if (r != riga_segnalata) {
      riga_segnalata = r;
      const std::string_view byte(t.data() + i, n);
      // The byte-order mark some editors put at the start of a UTF-8 file is
      // invisible: it is named, not quoted.
      if (i == 0 && byte == "\xEF\xBB\xBF")
        p.aggiungi(i, "utf8",
                   "il file inizia con il segno di ordine dei byte (BOM) di UTF-8, che il compilatore legge come "
                   "tre caratteri: il file va salvato in Windows-1252, senza BOM");
      else
        p.aggiungi(i, "utf8",
                   "testo in UTF-8: il compilatore legge " + citata(byte) +
                       " (Windows-1252) dove forse si intendeva '" + std::string(byte) +
                       "'; il file va scritto in Windows-1252");
    }
    i += n - 1;
  }
}

// A keyword with a minus sign in it is taken for a separator and skipped.
void separatore_con_parola(percorso_avvisi& p, const contesto_avvisi& c, const voce_sorgente& v) {
  const std::string voce = p.testo(v);
  const forma_record* r = forma_di(c.forme, voce);
  if (r && v.inizio_riga)
    p.aggiungi(v.inizio, "separatore",
               citata(voce) + " contiene '-': il compilatore la prende per un separatore e salta il record '" +
                   std::string(r->nome) + "'");
}

// The items before [generale]: the records among them are not read.
void avvisi_prima_di_generale(percorso_avvisi& p) {
  prima_di_generale prima;
  const struttura_sorgente& s = p.struttura();
  for (const voce_sorgente& v : s.voci) {
    if (v.ruolo != ruolo_voce::prima || v.inizio == s.inizio_generale) break;
    prima.conta(v, p.testo(v));
  }
  prima.segnala(p);
}

// The items after [generale], in the readers' order: the general section
// of the line file (generale, nullptr for the train file), then the record
// part (record) to the end of the file. Where the last item of the record
// part holding intestazione stands is kept in offset_intestazione (first
// the general section's closing header).
void avvisi_voci(percorso_avvisi& p, contesto_avvisi* generale, contesto_avvisi& record, std::string_view intestazione,
                 std::size_t& offset_intestazione) {
  std::size_t prossimo_record = 0;
  for (const voce_sorgente& v : p.struttura().voci) {
    if (v.ruolo == ruolo_voce::prima || v.ruolo == ruolo_voce::campo) continue;
    contesto_avvisi& c = v.generale && generale ? *generale : record;
    if (v.ruolo == ruolo_voce::separatore) {
      separatore_con_parola(p, c, v);
    } else if (v.ruolo == ruolo_voce::ultima) {
      if (!v.generale) ultima_voce(p, c, v);
    } else {
      const std::string voce = p.testo(v);
      if (v.generale ? intestazione_sezione(voce) : contiene_senza_maiuscole(voce, intestazione))
        offset_intestazione = v.inizio;
      if (!esamina(p, c, v, prossimo_record)) return;
    }
  }
}

bool senza_testo(const std::string& t) { return t.find_first_not_of(" \t\r\n") == std::string::npos; }

}  // namespace

std::vector<avviso> avvisi_linea(const std::string& testo, bool con_piano) {
  return avvisi_linea(testo, leggi_struttura(testo, false, con_piano));
}

std::vector<avviso> avvisi_linea(const std::string& testo, const struttura_sorgente& s) {
  const bool con_piano = s.con_piano;
  percorso_avvisi p(testo, s);
  avvisi_utf8(p);
  // Without intestazione_generale (or with it as the file's last item) the compiler reports error 102.
  const auto generale =
      std::find_if(s.voci.begin(), s.voci.end(), [&](const voce_sorgente& v) { return v.inizio == s.inizio_generale; });
  if (generale == s.voci.end() || generale->dopo >= testo.size()) return p.finisci();
  avvisi_prima_di_generale(p);
  contesto_avvisi sezione{forme_generale(), "della sezione [generale]"};
  contesto_avvisi record{forme_linea(), "del file della linea", con_piano};
  std::size_t offset_curve = 0;
  avvisi_voci(p, &sezione, record, "[curve]", offset_curve);
  // A refused read stops the compiler (error 25), a file ending in the general section too.
  if (s.rifiutata || s.fine_generale == std::string::npos) return p.finisci();
  if (con_piano && record.quanti(genere_record::curva) == 0)
    p.aggiungi(offset_curve, "senza-curve", "nessuna curva nel file della linea: la planimetria è tutta in rettilineo");
  return p.finisci();
}

std::vector<avviso> avvisi_treno(const std::string& testo) { return avvisi_treno(testo, leggi_struttura(testo, true)); }

std::vector<avviso> avvisi_treno(const std::string& testo, const struttura_sorgente& s) {
  percorso_avvisi p(testo, s);
  if (senza_testo(testo)) {
    p.aggiungi(0, "treno-vuoto", "il file del treno è vuoto: lo scenario non ha treno né stazioni");
    return p.finisci();
  }
  avvisi_utf8(p);
  if (s.inizio_generale == std::string::npos) {
    if (!s.rifiutata)
      p.aggiungi(0, "senza-generale", "nessuna voce [generale] nel file del treno: nessun suo record è letto");
    return p.finisci();
  }
  avvisi_prima_di_generale(p);
  contesto_avvisi record{forme_treno(), "del file del treno"};
  std::size_t offset_stazioni = 0;
  avvisi_voci(p, nullptr, record, "[stazioni]", offset_stazioni);
  if (s.rifiutata) return p.finisci();
  if (record.quanti(genere_record::stazione) == 0)
    p.aggiungi(offset_stazioni, "senza-stazioni", "nessuna stazione nel file del treno");
  return p.finisci();
}
