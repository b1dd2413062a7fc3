#include "scenario/confronto/riscritture_sorgenti.h"

#include <algorithm>

#include "scenario/sorgenti/elenco_sorgente.h"
#include "scenario/testo/diff_righe.h"

namespace {

// "riga 122", "righe 121-122", "nessuna riga" (from and to 1-based, to < from: none).
std::string testo_intervallo_righe(std::size_t da, std::size_t a) {
  if (a < da) return "nessuna riga";
  if (a == da) return "riga " + std::to_string(da);
  return "righe " + std::to_string(da) + "-" + std::to_string(a);
}

// The lines of a and b between their common start and common end.
std::string righe_diverse(const std::string& ta, const std::string& tb) {
  const std::vector<std::string> a = righe_di(ta), b = righe_di(tb);
  std::size_t inizio = 0;
  while (inizio < a.size() && inizio < b.size() && a[inizio] == b[inizio]) ++inizio;
  std::size_t coda = 0;
  while (coda < a.size() - inizio && coda < b.size() - inizio && a[a.size() - 1 - coda] == b[b.size() - 1 - coda])
    ++coda;
  return testo_intervallo_righe(inizio + 1, a.size() - coda) + " in A, " +
         testo_intervallo_righe(inizio + 1, b.size() - coda) + " in B";
}

bool nomina(const std::optional<luogo_modifica>& l, const std::string& file) {
  return l && l->sorgente.riga != 0 && l->sorgente.file == file;
}

// What kind of edit a text is, from its listings: the same listing, the
// same lines in another order, or "" for records that differ.
std::string genere_riscrittura(const std::string& a, const std::string& b, bool treno) {
  const std::string ea = elenco_sorgente(a, treno), eb = elenco_sorgente(b, treno);
  if (ea == eb) return "riformattato, stessi record (spazi, a capo, commenti)";
  std::vector<std::string> ra = righe_di(ea), rb = righe_di(eb);
  std::sort(ra.begin(), ra.end());
  std::sort(rb.begin(), rb.end());
  if (ra == rb) return "stessi record in altro ordine";
  return "";
}

}  // namespace

std::vector<modifica> riscritture_sorgenti(const lato_confronto& a, const lato_confronto& b,
                                           const std::vector<modifica>& m) {
  std::vector<modifica> v;
  if (!a.da_sorgenti || !b.da_sorgenti) return v;
  struct file {
    const std::string &testo_a, &testo_b, &nome_a, &nome_b;
    bool treno;
  };
  const file file_sorgenti[] = {
      {a.testi.linea, b.testi.linea, a.ind.linea.nome, b.ind.linea.nome, false},
      {a.testi.treno, b.testi.treno, a.ind.treno.nome, b.ind.treno.nome, true},
  };
  // Records that differ yet compile the same: said only when nothing
  // compiled changed (a general value's change names no line).
  const bool nulla_cambia = std::none_of(m.begin(), m.end(), cambia_lo_scenario);
  for (const file& f : file_sorgenti) {
    if (f.testo_a == f.testo_b) continue;
    std::string genere = genere_riscrittura(f.testo_a, f.testo_b, f.treno);
    if (genere.empty()) {
      if (!nulla_cambia || std::any_of(m.begin(), m.end(), [&](const modifica& x) {
            return nomina(x.a, f.nome_a) || nomina(x.b, f.nome_b);
          }))
        continue;
      genere = "record scritti altrimenti, con lo stesso scenario compilato";
    }
    v.push_back(
        {"senza_effetto", "file", f.nome_b + ": " + genere + ", " + righe_diverse(f.testo_a, f.testo_b), {}, {}});
  }
  return v;
}

std::vector<modifica> confronta_lati(const lato_confronto& a, const lato_confronto& b) {
  std::vector<modifica> m = confronta_scenari(prepara_confronto(a.s, a.ind), prepara_confronto(b.s, b.ind), a.s, b.s);
  const std::vector<modifica> r = riscritture_sorgenti(a, b, m);
  m.insert(m.end(), r.begin(), r.end());
  return m;
}
