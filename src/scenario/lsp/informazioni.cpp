#include "scenario/lsp/informazioni.h"

#include <cstdio>

#include "model/campi_cella.h"
#include "model/form1.h"
#include "model/stazione.h"
#include "scenario/testo/da_1252.h"

namespace {
constexpr std::size_t campo_ore_informazione = 13, campo_nome_informazione = 16;  // of a station record

bool e_progressiva_informazione(const forma_record& f, const campo_record& c) {
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
  if (r.campi.size() < campo_ore_informazione + 3) return "";
  const std::int32_t h = r.campi[campo_ore_informazione].numero, m = r.campi[campo_ore_informazione + 1].numero,
                     s = r.campi[campo_ore_informazione + 2].numero;
  if (h == 0 && m == 0 && s == 0) return "";
  char testo[48];
  std::snprintf(testo, sizeof testo, "%02d:%02d:%02d", static_cast<int>(h), static_cast<int>(m), static_cast<int>(s));
  return testo;
}

namespace {
// The text of a hover as it is written: Markdown marks or none.
class scrittura {
 public:
  explicit scrittura(bool markdown) : md_(markdown) {}
  std::string forte(std::string_view t) const { return md_ ? "**" + std::string(t) + "**" : std::string(t); }
  std::string codice(std::string_view t) const { return md_ ? "`" + std::string(t) + "`" : std::string(t); }
  // A rule between two sections.
  std::string separatore() const { return md_ ? "\n---\n\n" : "\n"; }

 private:
  bool md_;
};

std::size_t caratteri(std::string_view t) {
  std::size_t n = 0;
  for (char c : t) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

// Each line longer than colonne broken at its blanks; the lines it goes on
// to are indented as far as the text after a "- " or "N. " mark, so that a
// list item stays one item. A word longer than a line stays whole.
std::string a_capo(std::string_view testo, std::size_t colonne) {
  std::string fuori;
  std::size_t i = 0;
  while (i < testo.size()) {
    std::size_t fine = testo.find('\n', i);
    if (fine == std::string_view::npos) fine = testo.size();
    std::string_view riga = testo.substr(i, fine - i);
    i = fine + 1;
    std::size_t rientro = 0;
    if (riga.starts_with("- "))
      rientro = 2;
    else if (const std::size_t punto = riga.find(". ");
             punto != std::string_view::npos && punto > 0 && punto < 4 &&
             riga.substr(0, punto).find_first_not_of("0123456789") == std::string_view::npos)
      rientro = punto + 2;
    std::string corrente;
    std::size_t larghezza = 0;
    std::size_t k = 0;
    while (k < riga.size()) {
      std::size_t spazio = riga.find(' ', k);
      if (spazio == std::string_view::npos) spazio = riga.size();
      const std::string_view parola = riga.substr(k, spazio - k);
      const std::size_t n = caratteri(parola);
      if (larghezza > rientro && larghezza + 1 + n > colonne) {
        fuori += corrente + "\n";
        corrente = std::string(rientro, ' ');
        larghezza = rientro;
      } else if (!corrente.empty() && k > 0) {
        corrente += ' ';
        ++larghezza;
      }
      corrente += parola;
      larghezza += n;
      k = spazio + 1;
    }
    fuori += corrente;
    if (i <= testo.size()) fuori += "\n";
  }
  return fuori;
}

// A record's short page: what it is, its fields one a line, its errors, and
// where the manual has it whole.
std::string pagina_breve(const forma_record& f, const scrittura& w) {
  std::string t = w.forte(f.nome) + ": " + std::string(f.descrizione) + "\n\n";
  t += "Esempio: " + w.codice(f.esempio) + "\n\n";
  for (std::size_t k = 0; k < f.campi.size(); ++k) {
    const campo_record& c = f.campi[k];
    t += std::to_string(k + 1) + ". " + w.codice(c.nome) + (c.unita.empty() ? "" : " (" + std::string(c.unita) + ")") +
         ": " + std::string(c.significato) + "\n";
  }
  if (!f.errori.empty()) {
    t += "\nErrori:";
    for (std::size_t k = 0; k < f.errori.size(); ++k) t += (k ? ", n. " : " n. ") + std::to_string(f.errori[k]);
    t += ".\n";
  }
  t += "\nLa pagina intera del manuale: " + w.codice("scenario formato " + std::string(f.nome)) + "\n";
  return t;
}
}  // namespace

std::optional<informazione> informazione_a(const struttura_sorgente& s, std::size_t offset,
                                           const std::vector<serie_chilometrica>& serie, bool markdown) {
  int k = -1;
  const record_struttura* r = record_a(s, offset, k);
  if (!r) return std::nullopt;
  const scrittura w(markdown);
  const forma_record& f = *r->forma;
  if (k < 0) return informazione{a_capo(pagina_breve(f, w), colonne_informazione), r->inizio, r->fine};
  const campo_record& c = f.campi[static_cast<std::size_t>(k)];
  const voce_record& v = r->campi[static_cast<std::size_t>(k)];
  if (f.genere == genere_record::stazione && static_cast<std::size_t>(k) == campo_nome_informazione) {
    std::string t = w.forte(utf8_da_1252(v.testo)) + ", stazione\n\n";
    const std::string orario = orario_stazione(*r);
    t += "- orario: " + (orario.empty() ? std::string("nessuno (0 0 0)") : orario) + "\n";
    if (!r->campi.empty()) {
      const std::int32_t p = r->campi[0].numero;
      t += "- progressiva " + std::to_string(p) + " m, " + chilometro(serie, p) + "\n";
    }
    return informazione{a_capo(t, colonne_informazione), v.inizio, v.fine};
  }
  std::string t = w.forte(c.nome);
  if (!c.unita.empty()) t += " (" + std::string(c.unita) + ")";
  t += ", campo " + std::to_string(k + 1) + " di " + w.codice(f.nome) + "\n\n" + std::string(c.significato) + "\n\n";
  if (c.genere == genere_campo::testo) {
    t += "- testo: " + w.codice(utf8_da_1252(v.testo)) + "\n";
  } else {
    t += "- il compilatore legge: " + w.forte(std::to_string(v.numero)) + "\n";
  }
  if (!c.intervallo.empty()) t += "- valori ammessi: " + std::string(c.intervallo) + "\n";
  if (!c.trattamento.empty()) t += "- il compilatore: " + std::string(c.trattamento) + "\n";
  if (c.genere != genere_campo::testo && e_progressiva_informazione(f, c)) {
    const std::int32_t p = v.numero;
    t += "- progressiva/50: " + testo_cella(cella_di_progressiva(p));
    if (k == 0 && oggetto_in_cella(f.genere)) t += "; l'oggetto va nella " + testo_cella(cella_di_oggetto(p));
    t += "\n- punto chilometrico: " + chilometro(serie, p) + "\n";
  }
  // The record, behind the field.
  t += w.separatore() + w.codice(f.nome) + ": " + std::string(f.descrizione) +
       " La sua pagina: " + w.codice("scenario formato " + std::string(f.nome)) + "\n";
  return informazione{a_capo(t, colonne_informazione), v.inizio, v.fine};
}
