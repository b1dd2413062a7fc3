#include "scenario/sorgenti/allinea_sorgente.h"

#include <algorithm>
#include <string_view>

#include "compiler/confronto_voci.h"
#include "scenario/sorgenti/scivoloni.h"

namespace {

bool bianco_allinea(char c) { return c == ' ' || c == '\t'; }
bool fine_riga_allinea(char c) { return c == '\r' || c == '\n'; }
// What stands between two items: blanks, a comma, a line end.
bool tra_voci(char c) { return bianco_allinea(c) || c == ',' || fine_riga_allinea(c); }

std::string_view pezzo_di_testo(const std::string& byte, std::size_t inizio, std::size_t fine) {
  return std::string_view(byte).substr(inizio, fine - inizio);
}

// Whether the record is read whole from its own keyword (no other record
// shares it) with each item up to the last ending at a comma on its line.
bool record_pulito(const std::string& byte, const struttura_sorgente& s, std::size_t i, std::size_t riga) {
  const record_struttura& r = s.record[i];
  if (!r.completo()) return false;
  if ((i > 0 && s.record[i - 1].inizio == r.inizio) || (i + 1 < s.record.size() && s.record[i + 1].inizio == r.inizio))
    return false;
  std::size_t dopo = r.dopo;
  for (const voce_record& v : r.campi) {
    if (byte[dopo - 1] != ',' || s.righe.riga(v.inizio) != riga) return false;
    dopo = v.dopo;
  }
  return true;
}

// The records a line holds whole from its first item to its end, and
// nothing else, from the record i whose keyword begins it; none when it
// holds anything else. A last line without a line end keeps an empty last
// field as written (the blank after its comma is the item the reader still
// finds there), and a comma that ends the file.
std::vector<const record_struttura*> record_della_riga(const std::string& byte, const struttura_sorgente& s,
                                                       std::size_t i) {
  const std::size_t riga = s.righe.riga(s.record[i].inizio);
  for (std::size_t a = s.righe.inizio(riga); a < s.record[i].inizio; ++a)
    if (!bianco_allinea(byte[a])) return {};
  std::vector<const record_struttura*> v;
  for (std::size_t k = i; k < s.record.size(); ++k) {
    const record_struttura& r = s.record[k];
    if (!record_pulito(byte, s, k, riga)) return {};
    v.push_back(&r);
    const std::size_t dopo = r.campi.empty() ? r.dopo : r.campi.back().dopo;
    const bool vuoto = !r.campi.empty() && r.campi.back().inizio == r.campi.back().fine;
    if (dopo == byte.size() && (dopo == 0 || (!fine_riga_allinea(byte[dopo - 1]) && byte[dopo - 1] != ',')))
      return vuoto ? decltype(v){} : v;
    if (fine_riga_allinea(byte[dopo - 1])) return s.righe.riga(dopo - 1) == riga ? v : decltype(v){};
    // A comma: the next item must be the next record's keyword, on this
    // line, and no header once it begins a line of its own.
    if (byte[dopo - 1] != ',' || k + 1 >= s.record.size()) return {};
    const record_struttura& prossimo = s.record[k + 1];
    if (s.righe.riga(prossimo.inizio) != riga ||
        intestazione_sezione(pezzo_di_testo(byte, prossimo.inizio, prossimo.fine)))
      return {};
    for (std::size_t a = dopo; a < prossimo.inizio; ++a)
      if (!bianco_allinea(byte[a])) return {};
  }
  return {};
}

// The lines the walk says the compiler reads otherwise than they plainly
// say, and every line from a refused read on.
std::vector<bool> righe_da_lasciare(const std::string& byte, const struttura_sorgente& s) {
  std::vector<bool> lascia(s.righe.righe(), false);
  const auto segna = [&](std::size_t da, std::size_t a) {
    for (std::size_t r = s.righe.riga(da); r <= s.righe.riga(std::max(da, a)) && r < lascia.size(); ++r)
      lascia[r] = true;
  };
  for (const scivolone& x : scivoloni(byte, s)) {
    segna(x.offset, x.offset);
    if (x.copre_a > x.copre_da) segna(x.copre_da, x.copre_a);
    if (x.correzione) segna(x.correzione->inizio, x.correzione->fine);
  }
  if (s.interrotta != std::string::npos)
    for (std::size_t r = s.righe.riga(s.interrotta); r < lascia.size(); ++r) lascia[r] = true;
  return lascia;
}

void aggiungi_allineato(std::string& riga, std::string_view voce, std::size_t larghezza, bool a_sinistra) {
  const std::string spazi(larghezza > voce.size() ? larghezza - voce.size() : 0, ' ');
  riga += a_sinistra ? std::string(voce) + spazi : spazi + std::string(voce);
}

// A run of records of one kind, each on its line, written with one width
// for the keyword and each field: numbers to the right, texts to the left
// (the last unpadded).
std::vector<std::string> allinea_serie(const std::string& byte, const std::vector<const record_struttura*>& serie) {
  const forma_record& forma = *serie.front()->forma;
  std::size_t chiave = 0;
  std::vector<std::size_t> larghezze(forma.campi.size(), 0);
  for (const record_struttura* r : serie) {
    chiave = std::max(chiave, r->fine - r->inizio);
    for (std::size_t k = 0; k < r->campi.size(); ++k)
      larghezze[k] = std::max(larghezze[k], r->campi[k].fine - r->campi[k].inizio);
  }
  std::vector<std::string> righe;
  for (const record_struttura* r : serie) {
    // The keyword's comma stands right after it; the fields' columns begin
    // one blank after the widest keyword's comma.
    std::string testo(pezzo_di_testo(byte, r->inizio, r->fine));
    if (!r->campi.empty()) testo += ',' + std::string(chiave - (r->fine - r->inizio), ' ');
    for (std::size_t k = 0; k < r->campi.size(); ++k) {
      testo += ' ';
      const voce_record& v = r->campi[k];
      const bool ultimo = k + 1 == r->campi.size();
      const bool a_sinistra = forma.campi[k].genere == genere_campo::testo;
      aggiungi_allineato(testo, pezzo_di_testo(byte, v.inizio, v.fine), ultimo && a_sinistra ? 0 : larghezze[k],
                         a_sinistra);
      if (!ultimo) testo += ',';
    }
    while (!testo.empty() && testo.back() == ' ') testo.pop_back();
    righe.push_back(std::move(testo));
  }
  return righe;
}

}  // namespace

std::vector<riga_allineata> righe_allineate(const std::string& byte, const struttura_sorgente& s) {
  const std::vector<bool> lascia = righe_da_lasciare(byte, s);
  // The records of each line that holds records alone, in file order.
  std::vector<std::vector<const record_struttura*>> della_riga(s.righe.righe());
  for (std::size_t i = 0; i < s.record.size(); ++i) {
    const std::size_t riga = s.righe.riga(s.record[i].inizio);
    if (!della_riga[riga].empty() || lascia[riga]) continue;
    della_riga[riga] = record_della_riga(byte, s, i);
  }
  // Runs of one kind over consecutive lines (and within a line), laid out
  // each; then each line is its records' texts, parted by its own line end.
  std::vector<std::string> testi(s.record.size());
  std::vector<const record_struttura*> serie;
  const auto chiudi = [&] {
    if (serie.empty()) return;
    std::vector<std::string> t = allinea_serie(byte, serie);
    for (std::size_t k = 0; k < serie.size(); ++k) testi[static_cast<std::size_t>(serie[k] - s.record.data())] = t[k];
    serie.clear();
  };
  for (const std::vector<const record_struttura*>& v : della_riga) {
    if (v.empty()) chiudi();
    for (const record_struttura* r : v) {
      if (!serie.empty() && r->forma != serie.front()->forma) chiudi();
      serie.push_back(r);
    }
  }
  chiudi();
  std::vector<riga_allineata> uscita;
  for (std::size_t riga = 0; riga < della_riga.size(); ++riga) {
    if (della_riga[riga].empty()) continue;
    const std::size_t inizio = s.righe.inizio(riga), fine = s.righe.fine(riga);
    const std::size_t dopo_fine = riga + 1 < s.righe.righe() ? s.righe.inizio(riga + 1) : fine;
    const std::string a_capo = dopo_fine > fine ? byte.substr(fine, dopo_fine - fine) : std::string("\r\n");
    std::string testo;
    for (const record_struttura* r : della_riga[riga]) {
      if (!testo.empty()) testo += a_capo;
      testo += testi[static_cast<std::size_t>(r - s.record.data())];
    }
    if (pezzo_di_testo(byte, inizio, fine) != testo) uscita.push_back({riga, inizio, fine, std::move(testo)});
  }
  return uscita;
}

std::vector<separatori_allineati> separatori_cambiati(const std::string& byte, const riga_allineata& r) {
  // The line and its new text hold the same items in the same order: each
  // gap between two of them (or before the first, after the last) is
  // compared.
  std::vector<separatori_allineati> v;
  std::size_t a = r.inizio, b = 0;
  const std::string& n = r.testo;
  while (a < r.fine || b < n.size()) {
    const std::size_t da = a;
    while (a < r.fine && tra_voci(byte[a])) ++a;
    const std::size_t db = b;
    while (b < n.size() && tra_voci(n[b])) ++b;
    if (n.compare(db, b - db, byte, da, a - da) != 0) v.push_back({da, a, n.substr(db, b - db)});
    if (a < r.fine) ++a;
    if (b < n.size()) ++b;
  }
  return v;
}

std::string applica_righe(const std::string& byte, const std::vector<riga_allineata>& righe) {
  std::string testo;
  testo.reserve(byte.size() + byte.size() / 4);
  std::size_t da = 0;
  for (const riga_allineata& r : righe) {
    testo.append(byte, da, r.inizio - da);
    testo += r.testo;
    da = r.fine;
  }
  testo.append(byte, da, std::string::npos);
  return testo;
}

std::string allinea_sorgente(const std::string& byte, bool treno) {
  const struttura_sorgente s = leggi_struttura(byte, treno);
  return applica_righe(byte, righe_allineate(byte, s));
}
