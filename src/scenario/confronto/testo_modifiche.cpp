#include "scenario/confronto/testo_modifiche.h"

#include <algorithm>

namespace {

void stampa_luogo(std::ostream& out, const char* lato, const std::optional<luogo_modifica>& l) {
  if (!l) return;
  out << "    " << lato << ": " << testo_luogo(*l);
  if (l->sorgente.riga) out << ", " << l->sorgente.file << " riga " << l->sorgente.riga;
  out << '\n';
}

void stampa_una(std::ostream& out, const modifica& x) {
  out << x.descrizione << '\n';
  stampa_luogo(out, "A", x.a);
  stampa_luogo(out, "B", x.b);
}

// "scenario diverso, tracciato diverso, planimetria identica".
std::string stato_file(const file_confrontato& f) {
  const bool femminile = f.ruolo == "piano";
  std::string t = femminile ? "planimetria" : f.ruolo;
  if (f.in_a && f.in_b)
    return t + (f.identico ? (femminile ? " identica" : " identico") : (femminile ? " diversa" : " diverso"));
  return t + (f.in_a ? " solo in A" : " solo in B");
}

}  // namespace

bool ci_sono_differenze(const std::vector<modifica>& m, const confronto_compatti& c) {
  return std::any_of(m.begin(), m.end(), cambia_lo_scenario) || !c.identici();
}

void stampa_modifiche(std::ostream& out, const std::vector<modifica>& m, const confronto_compatti& c) {
  std::size_t cambiamenti = 0;
  for (const modifica& x : m)
    if (cambia_lo_scenario(x)) {
      stampa_una(out, x);
      ++cambiamenti;
    }
  if (cambiamenti) out << cambiamenti << (cambiamenti == 1 ? " modifica\n" : " modifiche\n");
  const bool differenze = ci_sono_differenze(m, c);
  if (differenze) {
    std::string file;
    for (const file_confrontato& f : c.file)
      if (f.in_a || f.in_b) file += (file.empty() ? "" : ", ") + stato_file(f);
    out << "file compatti: " << file;
    if (!c.codici_cambiati.empty()) {
      out << "; codici di identificazione cambiati:";
      for (std::size_t k = 0; k < c.codici_cambiati.size(); ++k) out << (k ? ", " : " ") << c.codici_cambiati[k];
    }
    out << '\n';
  }
  if (cambiamenti == m.size()) return;
  out << (differenze ? "\n" : "") << "Modifiche dei sorgenti senza effetto sullo scenario compilato:\n";
  for (const modifica& x : m)
    if (!cambia_lo_scenario(x)) stampa_una(out, x);
}

nodo nodo_compatti(const confronto_compatti& c) {
  nodo file = nodo::lista(), codici = nodo::lista();
  for (const file_confrontato& f : c.file)
    file.elementi.push_back(nodo()
                                .metti("ruolo", f.ruolo)
                                .metti("nome_a", f.nome_a)
                                .metti("nome_b", f.nome_b)
                                .metti("in_a", nodo::di_booleano(f.in_a))
                                .metti("in_b", nodo::di_booleano(f.in_b))
                                .metti("identico", nodo::di_booleano(f.identico)));
  for (const std::string& k : c.codici_cambiati) codici.elementi.push_back(nodo::di_testo(k));
  return nodo().metti("identici", nodo::di_booleano(c.identici())).metti("file", file).metti("codici_cambiati", codici);
}
