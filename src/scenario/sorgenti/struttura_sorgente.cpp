#include "scenario/sorgenti/struttura_sorgente.h"

#include <algorithm>

#include "base/stato.h"
#include "compiler/confronto_voci.h"
#include "compiler/lettore_voci.h"

namespace {

// The reader over the file, keeping every item it reads.
class percorso_voci {
 public:
  percorso_voci(const std::string& byte, struttura_sorgente& s) : s_(s) { apri_lettore_da_testo(byte, in); }

  lettore_voci in;

  // The next item as a text; its role may still change (a ruler, the last item).
  std::string leggi(ruolo_voce ruolo, bool generale) {
    std::string voce = leggi_voce(in);
    aggiungi(ruolo, generale);
    return voce;
  }

  // The fields of the record just begun, fewer when the file ends inside it.
  void leggi_campi(record_struttura& r, bool generale) {
    for (const campo_record& c : r.forma->campi) {
      if (fine_file(in)) return;
      voce_record v;
      if (c.genere == genere_campo::testo)
        v.testo = leggi_voce(in);
      else
        v.numero = leggi_numero(in);
      v.inizio = in.inizio_voce;
      v.fine = in.fine_voce;
      v.dopo = in.pos;
      r.campi.push_back(std::move(v));
      aggiungi(ruolo_voce::campo, generale);
    }
  }

  void cambia_ruolo(ruolo_voce ruolo) { s_.voci.back().ruolo = ruolo; }

 private:
  // An item begins its line when the one before it ended at a line end: every
  // line end is the separator of the item before it.
  void aggiungi(ruolo_voce ruolo, bool generale) {
    bool inizio_riga = true;
    if (!s_.voci.empty()) {
      const std::size_t d = s_.voci.back().dopo;
      inizio_riga = d > 0 && (in.dati[d - 1] == '\n' || in.dati[d - 1] == '\r');
    }
    s_.voci.push_back({in.inizio_voce, in.fine_voce, in.pos, ruolo, generale, inizio_riga});
  }

  struttura_sorgente& s_;
};

// Every record whose test the item passes, read in turn as the readers do.
// A record is kept before its fields are read: a refused read leaves it with
// the fields before it.
void esamina(percorso_voci& p, std::span<const forma_record> forme, bool con_piano, const std::string& voce,
             bool generale, struttura_sorgente& s) {
  const voce_sorgente chiave = s.voci.back();
  for (const forma_record& f : forme) {
    if (!corrisponde(f, voce) || (f.solo_con_piano && !con_piano)) continue;
    s.record.push_back({&f, chiave.inizio, chiave.fine, chiave.dopo, {}});
    p.leggi_campi(s.record.back(), generale);
  }
}

// The next item to examine, up to `separatori` ruler items passed over; the
// file's last item is never examined. In the general section a ruler is
// followed by a read even at the end of the file (refused there), as its
// reader does.
bool prossima(percorso_voci& p, std::string& voce, int separatori, bool generale) {
  if (fine_file(p.in)) return false;
  voce = p.leggi(ruolo_voce::chiave, generale);
  if (fine_file(p.in)) {
    p.cambia_ruolo(ruolo_voce::ultima);
    return false;
  }
  for (int i = 0; i < separatori && separatore(voce); ++i) {
    p.cambia_ruolo(ruolo_voce::separatore);
    voce = p.leggi(ruolo_voce::chiave, generale);
    if (!generale && fine_file(p.in)) {
      p.cambia_ruolo(ruolo_voce::ultima);
      return false;
    }
  }
  return true;
}

// The first item of each line that is a section header.
void intestazioni(const std::string& t, struttura_sorgente& s) {
  for (std::size_t r = 0; r < s.righe.righe(); ++r) {
    std::size_t a = s.righe.inizio(r);
    const std::size_t fine_riga = s.righe.fine(r);
    while (a < fine_riga && (t[a] == ' ' || t[a] == '\t')) ++a;
    std::size_t ultimo = a;
    while (ultimo < fine_riga && t[ultimo] != ',') ++ultimo;
    while (ultimo > a && (t[ultimo - 1] == ' ' || t[ultimo - 1] == '\t')) --ultimo;
    std::string voce = t.substr(a, ultimo - a);
    if (intestazione_sezione(voce)) s.intestazioni.push_back({a, ultimo, std::move(voce)});
  }
}

}  // namespace

std::string_view testo_voce(const std::string& byte, const voce_sorgente& v) {
  return std::string_view(byte).substr(v.inizio, v.fine - v.inizio);
}

struttura_sorgente leggi_struttura(const std::string& byte, bool treno, bool con_piano) {
  struttura_sorgente s;
  s.con_piano = con_piano;
  s.treno = treno;
  s.righe = indice_righe(byte);
  intestazioni(byte, s);
  percorso_voci p(byte, s);
  lettore_voci& in = p.in;
  try {
    while (!fine_file(in) && s.inizio_generale == std::string::npos)
      if (contiene_senza_maiuscole(p.leggi(ruolo_voce::prima, false), intestazione_generale))
        s.inizio_generale = in.inizio_voce;
    if (s.inizio_generale == std::string::npos) return s;
    std::string voce;
    if (!treno) {
      // The general section, up to the next header.
      while (prossima(p, voce, 10, true)) {
        const std::size_t inizio = in.inizio_voce;
        esamina(p, forme_generale(), con_piano, voce, true, s);
        if (intestazione_sezione(voce)) {
          s.fine_generale = inizio;
          break;
        }
      }
    }
    const std::span<const forma_record> forme = treno ? forme_treno() : forme_linea();
    while (prossima(p, voce, 2, false)) esamina(p, forme, con_piano, voce, false, s);
    // A record the file ends inside: the compiler's read fails there.
    if (!s.record.empty() && !s.record.back().completo()) s.interrotta = in.inizio_voce;
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::lettura) throw;
    s.interrotta = in.inizio_voce;
    s.rifiutata = true;
  }
  return s;
}

record_struttura leggi_riga_record(const forma_record& r, const std::string& riga) {
  struttura_sorgente s;
  percorso_voci p(riga, s);
  record_struttura letto{&r, 0, 0, 0, {}};
  if (fine_file(p.in)) return letto;
  try {
    p.leggi(ruolo_voce::chiave, false);
    letto.inizio = p.in.inizio_voce;
    letto.fine = p.in.fine_voce;
    letto.dopo = p.in.pos;
    p.leggi_campi(letto, false);
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::lettura) throw;
  }
  return letto;
}

const record_struttura* record_a(const struttura_sorgente& s, std::size_t offset, int& campo) {
  // The last record whose keyword starts at or before the offset.
  auto dopo = std::upper_bound(s.record.begin(), s.record.end(), offset,
                               [](std::size_t o, const record_struttura& r) { return o < r.inizio; });
  while (dopo != s.record.begin()) {
    const record_struttura& r = *--dopo;
    if (offset <= r.fine) {
      campo = -1;
      return &r;
    }
    for (std::size_t k = 0; k < r.campi.size(); ++k)
      if (offset >= r.campi[k].inizio && offset <= r.campi[k].fine) {
        campo = static_cast<int>(k);
        return &r;
      }
    // Two records read from one keyword: the earlier may hold the offset.
    if (dopo != s.record.begin() && (dopo - 1)->inizio == r.inizio) continue;
    break;
  }
  return nullptr;
}

std::size_t fine_voce_a(const struttura_sorgente& s, std::size_t offset) {
  auto dopo = std::upper_bound(s.voci.begin(), s.voci.end(), offset,
                               [](std::size_t o, const voce_sorgente& v) { return o < v.inizio; });
  if (dopo == s.voci.begin()) return offset;
  const voce_sorgente& v = *(dopo - 1);
  return offset <= v.fine ? v.fine : offset;
}
