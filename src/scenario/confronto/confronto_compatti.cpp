#include "scenario/confronto/confronto_compatti.h"

#include <algorithm>

namespace {

const char* const ruoli[] = {"scenario", "tracciato", "piano"};

}  // namespace

bool confronto_compatti::identici() const {
  return std::all_of(file.begin(), file.end(),
                     [](const file_confrontato& f) { return f.identico || (!f.in_a && !f.in_b); });
}

confronto_compatti confronta_compatti(const lato_confronto& a, const lato_confronto& b,
                                      const std::vector<modifica>& modifiche) {
  confronto_compatti c;
  for (std::size_t k = 0; k < std::size(ruoli); ++k) {
    file_confrontato f;
    f.ruolo = ruoli[k];
    const file_compatto* fa = k < a.compatti.size() ? &a.compatti[k] : nullptr;
    const file_compatto* fb = k < b.compatti.size() ? &b.compatti[k] : nullptr;
    f.nome_a = fa ? fa->nome : "";
    f.nome_b = fb ? fb->nome : "";
    f.in_a = fa && fa->byte;
    f.in_b = fb && fb->byte;
    f.identico = f.in_a && f.in_b && *fa->byte == *fb->byte;
    c.file.push_back(std::move(f));
  }
  const std::string codici = "marchi_e_codici.";
  for (const modifica& m : modifiche)
    if (m.genere == "generale" && m.oggetto.starts_with(codici) && m.oggetto != codici + "percorso")
      c.codici_cambiati.push_back(m.oggetto.substr(codici.size()));
  return c;
}
