#include "scenario/sorgenti/avvisi_sorgente.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "base/stato.h"
#include "compiler/confronto_voci.h"
#include "compiler/grammatica.h"
#include "compiler/lettore_voci.h"
#include "scenario/testo/da_1252.h"
#include "scenario/testo/indice_righe.h"

namespace {

constexpr std::size_t massimo_avvisi = 200;  // per file; the rest are counted

bool bianco(char c) { return c == ' ' || c == '\t'; }

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

// The walk of one file with the compiler's own item reader, mirroring the
// readers' loops item by item.
class percorso_avvisi {
 public:
  explicit percorso_avvisi(const std::string& testo) : righe_(testo) {
    apri_lettore_da_testo(testo, in_);
    // Each line's first non-blank byte, found once: a line may be megabytes long.
    primi_non_bianchi_.reserve(righe_.righe());
    for (std::size_t r = 0; r < righe_.righe(); ++r) {
      std::size_t primo = righe_.inizio(r);
      while (primo < righe_.fine(r) && bianco(testo[primo])) ++primo;
      primi_non_bianchi_.push_back(primo);
    }
  }

  lettore_voci& in() { return in_; }
  const std::string& dati() const { return in_.dati; }

  void aggiungi(std::size_t offset, std::string codice, std::string messaggio) {
    if (avvisi_.size() >= massimo_avvisi) {
      ++taciuti_;
      return;
    }
    const posizione_riga p = posizione_1(righe_, offset);
    avvisi_.push_back({offset, p.riga, p.colonna, std::move(codice), std::move(messaggio)});
  }

  std::vector<avviso> finisci() {
    std::stable_sort(avvisi_.begin(), avvisi_.end(),
                     [](const avviso& a, const avviso& b) { return a.offset < b.offset; });
    if (taciuti_ > 0) aggiungi_in_coda();
    return std::move(avvisi_);
  }

  // The 0-based line holding offset.
  std::size_t riga(std::size_t offset) const { return righe_.riga(offset); }

  // Offset of the line end of the line holding offset.
  std::size_t fine_riga(std::size_t offset) const { return righe_.fine(riga(offset)); }

  // Only blanks before the item on its line.
  bool prima_della_riga(std::size_t offset) const { return primi_non_bianchi_[riga(offset)] >= offset; }

  // Reads the items of one record after its keyword, as its reader does, and
  // warns about its shape and its numbers. False when the file ends inside
  // the record (the compiler fails there).
  bool leggi_record(const forma_record& r, std::size_t offset_chiave) {
    const std::size_t riga_chiave = riga(offset_chiave);
    bool corto = false;
    std::size_t letti = 0;
    for (const campo_record& c : r.campi) {
      const char campo = static_cast<char>(c.genere);
      if (fine_file(in_)) return false;
      if (campo == 't')
        leggi_voce(in_);
      else
        leggi_numero(in_);
      if (!corto && riga(in_.inizio_voce) != riga_chiave) {
        corto = true;
        aggiungi(fine_riga(offset_chiave), "record-corto",
                 "il record '" + std::string(r.nome) + "' prende " + valori(r.campi.size()) + ", la riga ne ha " +
                     std::to_string(letti) + ": il resto è letto dalla riga " +
                     std::to_string(riga(in_.inizio_voce) + 1));
      }
      if (!corto && campo != 't') controlla_numero(campo);
      ++letti;
    }
    if (!corto && !fine_file(in_)) {
      // The separator after the last item: a comma or blanks keep the line going.
      if (riga(in_.pos) == riga(in_.fine_voce)) {
        std::size_t dopo = in_.pos;
        while (dopo < dati().size() && bianco(dati()[dopo])) ++dopo;
        if (dopo == fine_riga(dopo))
          aggiungi(dopo, "record-lungo", "virgola in più alla fine della riga: il compilatore vi legge una voce vuota");
        else
          aggiungi(dopo, "record-lungo",
                   "voci in più: il record '" + std::string(r.nome) + "' prende " + valori(r.campi.size()) +
                       ", il resto della riga non ne fa parte e il compilatore lo scorre come voci a sé");
      }
    }
    return true;
  }

 private:
  static std::string valori(std::size_t n) { return std::to_string(n) + (n == 1 ? " valore" : " valori"); }

  // The number item just read against what the compiler makes of it.
  void controlla_numero(char campo) {
    const std::size_t inizio = in_.inizio_voce;
    const std::string_view testo(dati().data() + inizio, in_.fine_voce - inizio);
    std::int32_t valore = 0;
    converti_numero(std::string(testo), valore);
    const std::string letto = " è letto come " + std::to_string(valore);
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
    const posizione_riga p = posizione_1(righe_, dati().size());
    avvisi_.push_back({dati().size(), p.riga, p.colonna, "altri-avvisi",
                       "altri " + std::to_string(taciuti_) + " avvisi in questo file non sono mostrati"});
  }

  lettore_voci in_;
  indice_righe righe_;
  std::vector<std::size_t> primi_non_bianchi_;  // of each line
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
  void conta(percorso_avvisi& p, const std::string& v) {
    if (!p.prima_della_riga(p.in().inizio_voce) || !parola_chiave(v)) return;
    if (quanti++ == 0) {
      offset = p.in().inizio_voce;
      voce = v;
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
struct contesto {
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

// False when the file ends inside a record.
bool esamina(percorso_avvisi& p, contesto& c, const std::string& voce, std::size_t offset) {
  bool riconosciuta = false;
  for (std::size_t k = 0; k < c.forme.size(); ++k) {
    const forma_record& r = c.forme[k];
    if (!corrisponde(r, voce)) continue;
    riconosciuta = true;
    if (r.solo_con_piano && !c.con_piano) continue;  // passed over as items, as asked
    if (c.dopo_fine)
      p.aggiungi(offset, "dopo-fine", citata(voce) + " sta dopo [fine]: il compilatore lo legge comunque");
    ++c.letti[k];
    if (!p.leggi_record(r, offset)) return false;
  }
  if (contiene_senza_maiuscole(voce, intestazione_fine)) c.dopo_fine = true;
  if (riconosciuta || voce.empty() || intestazione_sezione(voce) || !p.prima_della_riga(offset)) return true;
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
  p.aggiungi(offset, "parola-sconosciuta", m);
  return true;
}

// The file's last item is dropped unread: worth a word when it is a keyword.
void ultima_voce(percorso_avvisi& p, const contesto& c, const std::string& voce) {
  const forma_record* r = forma_di(c.forme, voce);
  if (r && !(r->solo_con_piano && !c.con_piano))
    p.aggiungi(p.in().inizio_voce, "ultima-voce",
               citata(voce) + " è l'ultima voce del file: il compilatore non la legge");
}

// A run of bytes that is valid UTF-8 of more than one byte: text written as
// UTF-8, which the compiler reads byte by byte as Windows-1252.
std::size_t sequenza_utf8(std::string_view t, std::size_t i) {
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
    const std::size_t n = sequenza_utf8(t, i);
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
void separatore_con_parola(percorso_avvisi& p, const contesto& c, const std::string& voce) {
  const forma_record* r = forma_di(c.forme, voce);
  if (r && p.prima_della_riga(p.in().inizio_voce))
    p.aggiungi(p.in().inizio_voce, "separatore",
               citata(voce) + " contiene '-': il compilatore la prende per un separatore e salta il record '" +
                   std::string(r->nome) + "'");
}

// The record loop of both readers, to the end of the file: up to two
// separator items in a row are passed over, the file's last item is not
// examined. Where the section header intestazione stands is kept in offset_intestazione.
void leggi_parte_record(percorso_avvisi& p, contesto& c, std::string_view intestazione,
                        std::size_t& offset_intestazione) {
  lettore_voci& in = p.in();
  for (;;) {
    if (fine_file(in)) return;
    std::string voce = leggi_voce(in);
    bool fine = fine_file(in);
    for (int i = 0; !fine && i < 2 && separatore(voce); ++i) {
      separatore_con_parola(p, c, voce);
      voce = leggi_voce(in);
      fine = fine_file(in);
    }
    if (fine) {
      ultima_voce(p, c, voce);
      return;
    }
    const std::size_t offset = in.inizio_voce;
    if (contiene_senza_maiuscole(voce, intestazione)) offset_intestazione = offset;
    if (!esamina(p, c, voce, offset)) return;
  }
}

bool senza_testo(const std::string& t) { return t.find_first_not_of(" \t\r\n") == std::string::npos; }

}  // namespace

std::vector<avviso> avvisi_linea(const std::string& testo, bool con_piano) {
  percorso_avvisi p(testo);
  lettore_voci& in = p.in();
  avvisi_utf8(p);
  prima_di_generale prima;
  contesto generale{forme_generale(), "della sezione [generale]"};
  contesto record{forme_linea(), "del file della linea", con_piano};
  std::size_t offset_curve = 0;
  try {
    // Up to intestazione_generale; without it the compiler reports error 102.
    for (;;) {
      const std::string voce = leggi_voce(in);
      if (fine_file(in)) return p.finisci();
      if (contiene_senza_maiuscole(voce, intestazione_generale)) break;
      prima.conta(p, voce);
    }
    prima.segnala(p);
    // The general section, up to the next header.
    for (;;) {
      if (fine_file(in)) return p.finisci();
      std::string voce = leggi_voce(in);
      if (fine_file(in)) return p.finisci();
      for (int i = 0; i < 10 && separatore(voce); ++i) {
        separatore_con_parola(p, generale, voce);
        voce = leggi_voce(in);
      }
      const std::size_t offset = in.inizio_voce;
      if (!esamina(p, generale, voce, offset)) return p.finisci();
      if (intestazione_sezione(voce)) {
        offset_curve = offset;
        break;
      }
    }
    leggi_parte_record(p, record, "[curve]", offset_curve);
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::lettura) throw;
    // The compiler fails at the same item (error 25): nothing more is read.
    return p.finisci();
  }
  if (con_piano && record.quanti(genere_record::curva) == 0)
    p.aggiungi(offset_curve, "senza-curve", "nessuna curva nel file della linea: la planimetria è tutta in rettilineo");
  return p.finisci();
}

std::vector<avviso> avvisi_treno(const std::string& testo) {
  percorso_avvisi p(testo);
  lettore_voci& in = p.in();
  if (senza_testo(testo)) {
    p.aggiungi(0, "treno-vuoto", "il file del treno è vuoto: lo scenario non ha treno né stazioni");
    return p.finisci();
  }
  avvisi_utf8(p);
  prima_di_generale prima;
  contesto record{forme_treno(), "del file del treno"};
  std::size_t offset_stazioni = 0;
  try {
    bool generale = false;
    while (!generale && !fine_file(in)) {
      const std::string voce = leggi_voce(in);
      generale = contiene_senza_maiuscole(voce, intestazione_generale);
      if (!generale) prima.conta(p, voce);
    }
    if (!generale) {
      p.aggiungi(0, "senza-generale", "nessuna voce [generale] nel file del treno: nessun suo record è letto");
      return p.finisci();
    }
    prima.segnala(p);
    leggi_parte_record(p, record, "[stazioni]", offset_stazioni);
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::lettura) throw;
    return p.finisci();
  }
  if (record.quanti(genere_record::stazione) == 0)
    p.aggiungi(offset_stazioni, "senza-stazioni", "nessuna stazione nel file del treno");
  return p.finisci();
}
