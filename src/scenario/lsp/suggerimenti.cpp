#include "scenario/lsp/suggerimenti.h"

#include <limits>
#include <optional>
#include <string>

#include "base/nearest.h"
#include "documents/celle_testo.h"
#include "model/campi_cella.h"
#include "model/misure.h"
#include "scenario/lsp/protocollo_lsp.h"

namespace {
constexpr std::size_t campo_ore_suggerimento = 13;  // of a station record: ore, minuti, secondi

bool e_progressiva_suggerimento(const forma_record& f, const campo_record& c) {
  return c.unita == "m" && c.genere != genere_campo::testo && f.sezione != sezione_grammatica::generale &&
         (c.nome == "progressiva" || c.nome == "inizio" || c.nome == "fine");
}

// The cell the compiler puts what the field places; none for a curve (metre by
// metre) and a station (an area around its progressive).
std::optional<std::int64_t> cella_del_campo(genere_record g, std::size_t k, std::int32_t p) {
  switch (g) {
    case genere_record::segnale:
    case genere_record::indicatori_vmax:
    case genere_record::cartello_indicatore:
    case genere_record::rallentamento:
      return cella_di_oggetto(p);
    case genere_record::montagna:
      // The stretch ends in the cell nearest(fine/50 - 1).
      return k == 0 ? cella_di_progressiva(p) : nearest(p / metri_cella_reale - 1.0);
    case genere_record::pendenza:
    case genere_record::velocita:
    case genere_record::aderenza:
    case genere_record::abbattimento:
      return cella_di_progressiva(p);
    default:
      return std::nullopt;
  }
}

nlohmann::json suggerimento(const documento& d, std::size_t offset, std::string etichetta) {
  return {{"position", posizione_json(d.posizione_di(offset))}, {"label", std::move(etichetta)}, {"paddingLeft", true}};
}
}  // namespace

nlohmann::json suggerimenti_documento(const documento& d, const struttura_sorgente& s,
                                      const std::vector<serie_chilometrica>& serie, std::size_t da, std::size_t a) {
  nlohmann::json v = nlohmann::json::array();
  for (const record_struttura& r : s.record) {
    if (r.inizio > a) break;
    const forma_record& f = *r.forma;
    for (std::size_t k = 0; k < r.campi.size(); ++k) {
      const voce_record& c = r.campi[k];
      if (c.fine < da || c.fine > a || !e_progressiva_suggerimento(f, f.campi[k])) continue;
      std::string t = "pk " + testo_punto(punto_di(serie, c.numero).metri);
      if (const std::optional<std::int64_t> cella = cella_del_campo(f.genere, k, c.numero);
          cella && metri_di_cella(*cella) != c.numero)
        t += ", cella " + std::to_string(*cella) + " (" + std::to_string(metri_di_cella(*cella)) + " m)";
      v.push_back(suggerimento(d, c.fine, std::move(t)));
    }
    // The time beside its seconds, as the sheet prints it.
    if (f.genere == genere_record::stazione && r.campi.size() > campo_ore_suggerimento + 2) {
      const voce_record& secondi = r.campi[campo_ore_suggerimento + 2];
      const std::int64_t orario =
          (std::int64_t{r.campi[campo_ore_suggerimento].numero} * 60 + r.campi[campo_ore_suggerimento + 1].numero) *
              60 +
          secondi.numero;
      // A time the sheet cannot print (below zero, past what the scenario holds) gets none.
      if (orario > 0 && orario <= std::numeric_limits<std::int32_t>::max() && secondi.fine >= da && secondi.fine <= a)
        v.push_back(suggerimento(d, secondi.fine, testo_orario(static_cast<std::int32_t>(orario))));
    }
  }
  return v;
}
