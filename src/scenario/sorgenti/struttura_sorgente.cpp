#include "scenario/sorgenti/struttura_sorgente.h"

#include <algorithm>

#include "base/stato.h"
#include "compiler/confronto_voci.h"
#include "compiler/lettore_voci.h"

namespace {

void leggi_campi(lettore_voci& in, record_struttura& r) {
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
  }
}

// Every record whose test the item passes, read in turn as the readers do.
void esamina(lettore_voci& in, std::span<const forma_record> forme, const std::string& voce, std::size_t inizio,
             std::size_t fine, struttura_sorgente& s) {
  const std::size_t dopo = in.pos;
  for (const forma_record& f : forme) {
    if (!corrisponde(f, voce)) continue;
    record_struttura r{&f, inizio, fine, dopo, {}};
    leggi_campi(in, r);
    s.record.push_back(std::move(r));
  }
}

// Up to two separator items passed over; the file's last item is never examined.
bool prossima(lettore_voci& in, std::string& voce, int separatori) {
  if (fine_file(in)) return false;
  voce = leggi_voce(in);
  if (fine_file(in)) return false;
  for (int i = 0; i < separatori && separatore(voce); ++i) {
    voce = leggi_voce(in);
    if (fine_file(in)) return false;
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

struttura_sorgente leggi_struttura(const std::string& byte, bool treno) {
  struttura_sorgente s;
  s.righe = indice_righe(byte);
  intestazioni(byte, s);
  lettore_voci in;
  apri_lettore_da_testo(byte, in);
  try {
    while (!fine_file(in) && s.inizio_generale == std::string::npos)
      if (contiene_senza_maiuscole(leggi_voce(in), intestazione_generale)) s.inizio_generale = in.inizio_voce;
    if (s.inizio_generale == std::string::npos) return s;
    std::string voce;
    if (!treno) {
      // The general section, up to the next header.
      while (prossima(in, voce, 10)) {
        const std::size_t inizio = in.inizio_voce, fine = in.fine_voce;
        esamina(in, forme_generale(), voce, inizio, fine, s);
        if (intestazione_sezione(voce)) {
          s.fine_generale = inizio;
          break;
        }
      }
    }
    const std::span<const forma_record> forme = treno ? forme_treno() : forme_linea();
    while (prossima(in, voce, 2)) {
      const std::size_t inizio = in.inizio_voce, fine = in.fine_voce;
      esamina(in, forme, voce, inizio, fine, s);
    }
    // A record the file ends inside: the compiler's read fails there.
    if (!s.record.empty() && !s.record.back().completo()) s.interrotta = in.inizio_voce;
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::lettura) throw;
    s.interrotta = in.inizio_voce;
  }
  return s;
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
