#include "scenario/sorgenti/allinea_sorgente.h"

#include <algorithm>
#include <string_view>

#include "scenario/sorgenti/scivoloni.h"

namespace {

constexpr std::size_t nessuna = static_cast<std::size_t>(-1);

bool bianco(char c) { return c == ' ' || c == '\t'; }
bool fine_riga(char c) { return c == '\r' || c == '\n'; }

std::string_view pezzo(const std::string& byte, std::size_t inizio, std::size_t fine) {
  return std::string_view(byte).substr(inizio, fine - inizio);
}

// The line a record fills alone, nessuna when it does not: its keyword
// begins the line, each item but the last ends at a comma on that line, the
// last at the line's end (or the file's), and no other record was read from
// its keyword. A last line without a line end keeps an empty last field as
// written: the blank after its comma is the item the reader still finds.
std::size_t riga_del_record(const std::string& byte, const struttura_sorgente& s, std::size_t i) {
  const record_struttura& r = s.record[i];
  if (!r.completo()) return nessuna;
  if ((i > 0 && s.record[i - 1].inizio == r.inizio) || (i + 1 < s.record.size() && s.record[i + 1].inizio == r.inizio))
    return nessuna;
  const std::size_t riga = s.righe.riga(r.inizio);
  for (std::size_t a = s.righe.inizio(riga); a < r.inizio; ++a)
    if (!bianco(byte[a])) return nessuna;
  std::size_t dopo = r.dopo;
  for (const voce_record& v : r.campi) {
    if (byte[dopo - 1] != ',' || s.righe.riga(v.inizio) != riga) return nessuna;
    dopo = v.dopo;
  }
  const bool a_fine_file = dopo == byte.size() && (dopo == 0 || !fine_riga(byte[dopo - 1]));
  if (!a_fine_file && (dopo == 0 || !fine_riga(byte[dopo - 1]) || s.righe.riga(dopo - 1) != riga)) return nessuna;
  if (a_fine_file && !r.campi.empty() && r.campi.back().inizio == r.campi.back().fine) return nessuna;
  return riga;
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

// A run of lines holding records of one kind, written with one width for
// the keyword and each field.
void allinea_serie(const std::string& byte, const struttura_sorgente& s,
                   const std::vector<const record_struttura*>& serie, std::vector<riga_allineata>& uscita) {
  const forma_record& forma = *serie.front()->forma;
  std::size_t chiave = 0;
  std::vector<std::size_t> larghezze(forma.campi.size(), 0);
  for (const record_struttura* r : serie) {
    chiave = std::max(chiave, r->fine - r->inizio);
    for (std::size_t k = 0; k < r->campi.size(); ++k)
      larghezze[k] = std::max(larghezze[k], r->campi[k].fine - r->campi[k].inizio);
  }
  for (const record_struttura* r : serie) {
    // The keyword's comma stands right after it; the fields' columns begin
    // one blank after the widest keyword's comma.
    std::string testo(pezzo(byte, r->inizio, r->fine));
    if (!r->campi.empty()) testo += ',' + std::string(chiave - (r->fine - r->inizio), ' ');
    for (std::size_t k = 0; k < r->campi.size(); ++k) {
      testo += ' ';
      const voce_record& v = r->campi[k];
      const bool ultimo = k + 1 == r->campi.size();
      const bool a_sinistra = forma.campi[k].genere == genere_campo::testo;
      aggiungi_allineato(testo, pezzo(byte, v.inizio, v.fine), ultimo && a_sinistra ? 0 : larghezze[k], a_sinistra);
      if (!ultimo) testo += ',';
    }
    while (!testo.empty() && testo.back() == ' ') testo.pop_back();
    const std::size_t riga = s.righe.riga(r->inizio);
    const std::size_t inizio = s.righe.inizio(riga), fine = s.righe.fine(riga);
    if (pezzo(byte, inizio, fine) != testo) uscita.push_back({riga, inizio, fine, std::move(testo)});
  }
}

}  // namespace

std::vector<riga_allineata> righe_allineate(const std::string& byte, const struttura_sorgente& s) {
  const std::vector<bool> lascia = righe_da_lasciare(byte, s);
  std::vector<const record_struttura*> della_riga(s.righe.righe(), nullptr);
  for (std::size_t i = 0; i < s.record.size(); ++i) {
    const std::size_t riga = riga_del_record(byte, s, i);
    if (riga != nessuna && !lascia[riga]) della_riga[riga] = &s.record[i];
  }
  std::vector<riga_allineata> uscita;
  std::vector<const record_struttura*> serie;
  for (std::size_t riga = 0; riga <= della_riga.size(); ++riga) {
    const record_struttura* r = riga < della_riga.size() ? della_riga[riga] : nullptr;
    if (!serie.empty() && (!r || r->forma != serie.front()->forma)) {
      allinea_serie(byte, s, serie, uscita);
      serie.clear();
    }
    if (r) serie.push_back(r);
  }
  return uscita;
}

std::vector<bianchi_allineati> bianchi_cambiati(const std::string& byte, const riga_allineata& r) {
  // The line and its new text hold the same bytes but blanks: each gap
  // between two of them (or before the first, after the last) is compared.
  std::vector<bianchi_allineati> v;
  std::size_t a = r.inizio, b = 0;
  const std::string& n = r.testo;
  while (a < r.fine || b < n.size()) {
    const std::size_t da = a;
    while (a < r.fine && bianco(byte[a])) ++a;
    const std::size_t db = b;
    while (b < n.size() && bianco(n[b])) ++b;
    if (n.compare(db, b - db, byte, da, a - da) != 0) v.push_back({da, a, b - db});
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
