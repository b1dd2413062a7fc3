#include "scenario/lsp/informazioni.h"

#include <cstdio>

#include "model/campi_cella.h"
#include "model/form1.h"
#include "model/stazione.h"
#include "scenario/sorgenti/manuale_formato.h"
#include "scenario/testo/da_1252.h"

namespace {
constexpr std::size_t campo_ore = 13, campo_nome = 16;  // of a station record

bool e_progressiva(const forma_record& f, const campo_record& c) {
  return c.unita == "m" && f.sezione != sezione_grammatica::generale &&
         (c.nome == "progressiva" || c.nome == "inizio" || c.nome == "fine");
}

// The records that put one object in one cell at nearest(P/50 + 1).
bool oggetto_in_cella(genere_record g) {
  return g == genere_record::segnale || g == genere_record::indicatori_vmax ||
         g == genere_record::cartello_indicatore || g == genere_record::rallentamento;
}

std::string testo_cella(std::int64_t c) {
  return "cella " + std::to_string(c) + " (" + std::to_string(metri_di_cella(c)) + "-" +
         std::to_string(metri_di_cella(c + 1)) + " m)";
}
}  // namespace

std::string chilometro(const std::vector<serie_chilometrica>& serie, std::int64_t progressiva, bool con_nota) {
  const punto_chilometrico p = punto_di(serie, progressiva);
  return "km " + testo_punto(p.metri) +
         (p.da_serie || !con_nota ? "" : " (nessuna serie chilometrica prima: distanza dall'inizio)");
}

std::string orario_stazione(const record_struttura& r) {
  if (r.campi.size() < campo_ore + 3) return "";
  const std::int32_t h = r.campi[campo_ore].numero, m = r.campi[campo_ore + 1].numero,
                     s = r.campi[campo_ore + 2].numero;
  if (h == 0 && m == 0 && s == 0) return "";
  char testo[48];
  std::snprintf(testo, sizeof testo, "%02d:%02d:%02d", static_cast<int>(h), static_cast<int>(m), static_cast<int>(s));
  return testo;
}

std::optional<informazione> informazione_a(const struttura_sorgente& s, std::size_t offset,
                                           const std::vector<serie_chilometrica>& serie) {
  int k = -1;
  const record_struttura* r = record_a(s, offset, k);
  if (!r) return std::nullopt;
  const forma_record& f = *r->forma;
  if (k < 0) return informazione{pagina_record(f), r->inizio, r->fine};
  const campo_record& c = f.campi[static_cast<std::size_t>(k)];
  const voce_record& v = r->campi[static_cast<std::size_t>(k)];
  if (f.genere == genere_record::stazione && static_cast<std::size_t>(k) == campo_nome) {
    std::string t = "**" + utf8_da_1252(v.testo) + "**, stazione\n\n";
    const std::string orario = orario_stazione(*r);
    t += "- orario: " + (orario.empty() ? std::string("nessuno (0 0 0)") : orario) + "\n";
    if (!r->campi.empty()) {
      const std::int32_t p = r->campi[0].numero;
      t += "- progressiva " + std::to_string(p) + " m, " + chilometro(serie, p) + "\n";
    }
    return informazione{t, v.inizio, v.fine};
  }
  std::string t = "**" + std::string(c.nome) + "**";
  if (!c.unita.empty()) t += " (" + std::string(c.unita) + ")";
  t += ", campo " + std::to_string(k + 1) + " di `" + std::string(f.nome) + "`: " + std::string(c.significato) + "\n\n";
  if (c.genere == genere_campo::testo) {
    t += "- testo: `" + utf8_da_1252(v.testo) + "`\n";
  } else {
    t += "- il compilatore legge: **" + std::to_string(v.numero) + "**\n";
  }
  if (!c.intervallo.empty()) t += "- valori ammessi: " + std::string(c.intervallo) + "\n";
  if (!c.trattamento.empty()) t += "- il compilatore: " + std::string(c.trattamento) + "\n";
  if (c.genere != genere_campo::testo && e_progressiva(f, c)) {
    const std::int32_t p = v.numero;
    t += "- progressiva/50: " + testo_cella(cella_di_progressiva(p));
    if (k == 0 && oggetto_in_cella(f.genere)) t += "; l'oggetto va nella " + testo_cella(cella_di_oggetto(p));
    t += "\n- punto chilometrico: " + chilometro(serie, p) + "\n";
  }
  return informazione{t, v.inizio, v.fine};
}
