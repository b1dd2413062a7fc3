#include "scenario/lsp/simboli.h"

#include "scenario/lsp/protocollo_lsp.h"
#include "scenario/testo/da_1252.h"

namespace {
constexpr tipo_simbolo tipo_sezione = tipo_simbolo::spazio_nomi, tipo_stazione = tipo_simbolo::oggetto,
                       tipo_evento = tipo_simbolo::evento;

nlohmann::json simbolo(const documento& d, const std::string& nome, const std::string& dettaglio, tipo_simbolo tipo,
                       std::size_t da, std::size_t a, std::size_t sel_da, std::size_t sel_a) {
  return {{"name", nome.empty() ? std::string("(senza nome)") : nome},
          {"detail", dettaglio},
          {"kind", tipo},
          {"range", intervallo_json(d, da, a)},
          {"selectionRange", intervallo_json(d, sel_da, sel_a)},
          {"children", nlohmann::json::array()}};
}

std::optional<nlohmann::json> simbolo_record(const documento& d, const record_struttura& r,
                                             const std::vector<serie_chilometrica>& serie) {
  if (r.campi.empty()) return std::nullopt;
  const std::size_t fine = r.campi.back().fine;
  const std::int32_t p = r.campi[0].numero;
  switch (r.forma->genere) {
    case genere_record::stazione: {
      const std::string nome = r.campi.size() > 16 ? utf8_da_1252(r.campi[16].testo) : "";
      const std::string orario = orario_stazione(r);
      return simbolo(d, nome,
                     (orario.empty() ? std::string("senza orario") : orario) + ", " + chilometro(serie, p, false),
                     tipo_stazione, r.inizio, fine, r.campi.size() > 16 ? r.campi[16].inizio : r.inizio,
                     r.campi.size() > 16 ? r.campi[16].fine : r.fine);
    }
    case genere_record::segnale:
      return simbolo(d, "segnale " + chilometro(serie, p, false), "progressiva " + std::to_string(p), tipo_evento,
                     r.inizio, fine, r.inizio, r.fine);
    case genere_record::rallentamento: {
      std::string dettaglio = "progressiva " + std::to_string(p);
      if (r.campi.size() > 2)
        dettaglio += ", " + std::to_string(r.campi[1].numero) + " km/h per " + std::to_string(r.campi[2].numero) + " m";
      return simbolo(d, "rallentamento " + chilometro(serie, p, false), dettaglio, tipo_evento, r.inizio, fine,
                     r.inizio, r.fine);
    }
    default:
      return std::nullopt;
  }
}
}  // namespace

nlohmann::json simboli_documento(const documento& d, const struttura_sorgente& s,
                                 const std::vector<serie_chilometrica>& serie) {
  nlohmann::json radice = nlohmann::json::array();
  std::size_t h = 0;
  nlohmann::json* sezione = nullptr;
  auto fine_sezione = [&](std::size_t k) {
    return k + 1 < s.intestazioni.size() ? s.intestazioni[k + 1].inizio : d.byte().size();
  };
  for (const record_struttura& r : s.record) {
    while (h < s.intestazioni.size() && s.intestazioni[h].inizio <= r.inizio) {
      const intestazione_struttura& i = s.intestazioni[h];
      radice.push_back(
          simbolo(d, utf8_da_1252(i.testo), "", tipo_sezione, i.inizio, fine_sezione(h), i.inizio, i.fine));
      sezione = &radice.back();
      ++h;
    }
    if (auto x = simbolo_record(d, r, serie)) (sezione ? (*sezione)["children"] : radice).push_back(std::move(*x));
  }
  for (; h < s.intestazioni.size(); ++h) {
    const intestazione_struttura& i = s.intestazioni[h];
    radice.push_back(simbolo(d, utf8_da_1252(i.testo), "", tipo_sezione, i.inizio, fine_sezione(h), i.inizio, i.fine));
  }
  return radice;
}
