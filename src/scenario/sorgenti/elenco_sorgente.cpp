#include "scenario/sorgenti/elenco_sorgente.h"

#include <algorithm>
#include <vector>

#include "model/campi_cella.h"
#include "model/chilometri.h"
#include "scenario/sorgenti/serie_linea.h"
#include "scenario/testo/da_1252.h"

namespace {

constexpr std::size_t campo_nome_stazione = 16;

// Where a record's first field puts it: an object in a cell at
// nearest(P/50 + 1), a profile value or a code point from nearest(P/50), a
// curve in the plan metre by metre (no cell).
enum class posto_record { nessuno, oggetto, progressiva, piano };

posto_record posto_di(const forma_record& f) {
  if (f.sezione == sezione_grammatica::generale || f.campi.empty() || f.campi[0].unita != "m")
    return posto_record::nessuno;
  switch (f.genere) {
    case genere_record::segnale:
    case genere_record::indicatori_vmax:
    case genere_record::cartello_indicatore:
    case genere_record::rallentamento:
      return posto_record::oggetto;
    case genere_record::curva:
      return posto_record::piano;
    default:
      return posto_record::progressiva;
  }
}

// A value as the compiler reads it; the text as written beside it when it
// says something else ("12.6", "AC", an empty field).
std::string valore(const std::string& byte, const campo_record& c, const voce_record& v) {
  if (c.genere == genere_campo::testo) return "\"" + utf8_da_1252(v.testo) + "\"";
  const std::string letto = std::to_string(v.numero);
  const std::string scritto = utf8_da_1252(std::string_view(byte).substr(v.inizio, v.fine - v.inizio));
  if (scritto == letto) return letto;
  if (scritto.empty()) return letto + " (vuoto)";
  return letto + " (scritto \"" + scritto + "\")";
}

struct stazione_elenco {
  std::int32_t progressiva = 0;
  std::string nome;  // UTF-8
};

std::vector<stazione_elenco> stazioni_di(const struttura_sorgente& treno) {
  std::vector<stazione_elenco> v;
  for (const record_struttura& r : treno.record)
    if (r.forma->genere == genere_record::stazione && r.campi.size() > campo_nome_stazione)
      v.push_back({r.campi[0].numero, utf8_da_1252(r.campi[campo_nome_stazione].testo)});
  std::stable_sort(v.begin(), v.end(), [](const auto& a, const auto& b) { return a.progressiva < b.progressiva; });
  return v;
}

// "tra PRATO e VAIANO": the last station at or before p and the first after it.
std::string tra_stazioni(const std::vector<stazione_elenco>& stazioni, std::int32_t p) {
  const auto dopo = std::upper_bound(stazioni.begin(), stazioni.end(), p,
                                     [](std::int32_t x, const stazione_elenco& s) { return x < s.progressiva; });
  const bool ha_prima = dopo != stazioni.begin(), ha_dopo = dopo != stazioni.end();
  if (ha_prima && ha_dopo) return "tra " + std::prev(dopo)->nome + " e " + dopo->nome;
  if (ha_prima) return "dopo " + std::prev(dopo)->nome;
  if (ha_dopo) return "prima di " + dopo->nome;
  return "";
}

struct contesto_elenco {
  const std::string& byte;
  bool con_punti = false;
  std::vector<serie_chilometrica> serie;
  std::vector<stazione_elenco> stazioni;
};

std::string riga_record(const contesto_elenco& c, const record_struttura& r) {
  const forma_record& f = *r.forma;
  std::string t(f.nome_genere);
  const posto_record dove = posto_di(f);
  std::size_t primo = 0;  // the first field listed by name
  // A curve's keyword says its side and radius: it is part of the record.
  if (f.genere == genere_record::curva)
    t += " " + utf8_da_1252(std::string_view(c.byte).substr(r.inizio, r.fine - r.inizio));
  if (dove != posto_record::nessuno && !r.campi.empty()) {
    primo = 1;
    const std::int32_t p = r.campi[0].numero;
    t += " " + valore(c.byte, f.campi[0], r.campi[0]);
    std::vector<std::string> luogo;
    if (dove == posto_record::oggetto) luogo.push_back("cella " + std::to_string(cella_di_oggetto(p)));
    if (dove == posto_record::progressiva) luogo.push_back("cella " + std::to_string(cella_di_progressiva(p)));
    if (c.con_punti) luogo.push_back("pk " + testo_punto(punto_di(c.serie, p).metri));
    if (const std::string s = tra_stazioni(c.stazioni, p); !s.empty()) luogo.push_back(s);
    if (!luogo.empty()) {
      t += " (";
      for (std::size_t k = 0; k < luogo.size(); ++k) t += (k ? ", " : "") + luogo[k];
      t += ")";
    }
  }
  t += ":";
  for (std::size_t k = primo; k < r.campi.size(); ++k)
    t += " " + std::string(f.campi[k].nome) + "=" + valore(c.byte, f.campi[k], r.campi[k]);
  if (!r.completo())
    t += " (incompleto: " + std::to_string(r.campi.size()) + " campi di " + std::to_string(f.campi.size()) + ")";
  return t;
}

}  // namespace

bool sembra_file_treno(const std::string& byte) {
  const struttura_sorgente linea = leggi_struttura(byte, false);
  return std::none_of(linea.record.begin(), linea.record.end(),
                      [](const record_struttura& r) { return r.forma->sezione == sezione_grammatica::generale; });
}

std::string elenco_sorgente(const std::string& byte, bool treno, const compagno_elenco& compagno) {
  const struttura_sorgente s = leggi_struttura(byte, treno);
  contesto_elenco c{byte, false, {}, {}};
  std::string t = treno ? "# file del treno\n" : "# file della linea\n";
  if (treno) {
    c.con_punti = compagno.linea != nullptr;
    if (compagno.linea) c.serie = serie_della_linea(*compagno.linea);
    t += c.con_punti ? "# punti chilometrici dal file della linea\n"
                     : "# senza il file della linea: nessun punto chilometrico\n";
  } else {
    c.con_punti = true;
    c.serie = serie_della_linea(s);
    if (compagno.treno) c.stazioni = stazioni_di(*compagno.treno);
    t += compagno.treno ? "# stazioni dal file del treno\n" : "# senza il file del treno: nessun nome di stazione\n";
  }
  if (s.inizio_generale == std::string::npos) {
    t += "# nessuna intestazione [generale]: il compilatore non legge niente di questo file\n";
    return t;
  }

  // The records in file order. The items the readers pass over where they
  // look for a keyword (headers, the author's notes, blank lines) compile to
  // nothing and do not show, as a comment would not.
  for (const record_struttura& r : s.record) t += riga_record(c, r) + "\n";
  if (s.record.empty()) {
    const auto saltate = std::count_if(s.voci.begin(), s.voci.end(), [&](const voce_sorgente& v) {
      return v.ruolo == ruolo_voce::chiave && !testo_voce(byte, v).empty();
    });
    t += "# nessun record: " + std::to_string(saltate) + " voci che il compilatore salta\n";
  }
  if (s.interrotta != std::string::npos) {
    t += "# il compilatore si ferma alla riga " + std::to_string(s.righe.riga(s.interrotta) + 1) +
         (s.rifiutata ? ": rifiuta la lettura" : ": il file finisce dentro un record") +
         "; il resto non \xC3\xA8 letto\n";
  }
  return t;
}
