#include "scenario/sorgenti_view.h"

#include <string_view>

#include "compiler/confronto_voci.h"
#include "compiler/lettore_voci.h"
#include "compiler/nearest.h"
#include "model/cella.h"
#include "scenario/da_1252.h"

namespace {
// Cell of a point object (signal, slowdown sign, board, sign) and of a
// profile or code point, as the compiler places them.
std::int64_t cella_punto(double p) { return nearest(p / 50.0 + 1.0); }
std::int64_t cella_profilo(double p) { return nearest(p / 50.0); }

// The fields of one line: split at commas, then each at blanks (numbers may be
// separated by blanks alone); the last comma field is also kept whole for a
// station's name.
struct campi {
  std::string parola;
  std::vector<std::int32_t> numeri;
  std::string ultimo;
};

std::string spoglia(std::string_view t) {
  const std::size_t a = t.find_first_not_of(" \t");
  if (a == std::string_view::npos) return "";
  const std::size_t z = t.find_last_not_of(" \t");
  return std::string(t.substr(a, z - a + 1));
}

campi dividi(const std::string& riga) {
  campi c;
  std::size_t inizio = 0;
  bool primo = true;
  while (inizio <= riga.size()) {
    std::size_t virgola = riga.find(',', inizio);
    if (virgola == std::string::npos) virgola = riga.size();
    const std::string campo = spoglia(std::string_view(riga).substr(inizio, virgola - inizio));
    if (primo) {
      c.parola = campo;
      primo = false;
    } else {
      c.ultimo = campo;
      std::size_t i = 0;
      while (i < campo.size()) {
        std::size_t fine = campo.find_first_of(" \t", i);
        if (fine == std::string::npos) fine = campo.size();
        std::int32_t v = 0;
        if (fine > i && converti_numero(campo.substr(i, fine - i), v)) c.numeri.push_back(v);
        i = campo.find_first_not_of(" \t", fine);
        if (i == std::string::npos) break;
      }
    }
    inizio = virgola + 1;
  }
  return c;
}

struct lettura {
  sorgenti_scenario& s;
  int file;
  std::size_t riga;
  void aggiungi(const char* genere, std::int32_t p, std::int64_t da, std::int64_t a,
                std::vector<std::pair<std::int64_t, std::uint8_t>> oggetti = {}) {
    s.record.push_back({genere, {file, riga}, p, da, a, std::move(oggetti)});
  }
};

// Line file records: the keyword tests of the line reader's record part.
void record_linea(lettura& l, const campi& c) {
  const auto& n = c.numeri;
  if (n.empty()) return;
  const std::int32_t p = n[0];
  if (contiene_senza_maiuscole(c.parola, "pendenza")) l.aggiungi("pendenza", p, cella_profilo(p), cella_profilo(p));
  if (contiene_senza_maiuscole(c.parola, "curva") && n.size() >= 2)
    l.aggiungi("curva", p, cella_profilo(p + 1.0), cella_profilo(static_cast<double>(p) + n[1]));
  if (contiene_senza_maiuscole(c.parola, "montagna") && n.size() >= 2)
    l.aggiungi("montagna", p, nearest(p / 50.0), nearest(n[1] / 50.0 - 1.0));
  if (contiene_senza_maiuscole(c.parola, "indicatori_v"))
    l.aggiungi("indicatori_vmax", p, cella_punto(p), cella_punto(p), {{cella_punto(p), cella_indicatore_vmax}});
  if (contiene_senza_maiuscole(c.parola, "cartello") && contiene_senza_maiuscole(c.parola, "indicat"))
    l.aggiungi("cartello_indicatore", p, cella_punto(p), cella_punto(p), {{cella_punto(p), cella_cartello_indicatore}});
}

// Extent end of a station, as the train reader computes it.
std::int64_t fine_stazione(std::int32_t p, std::int32_t tipo, std::int32_t l, std::int32_t estensione) {
  const std::int64_t P = p, L = l;
  if (tipo == 5 || tipo == 6) return P + 150;
  if (tipo == 7 || tipo == 8) return P + L;
  return P + L / 2 + (estensione != 0 ? 50 : 0);
}

// Train file records: the keyword tests of the train reader.
void record_treno(lettura& l, const campi& c) {
  const auto& n = c.numeri;
  if (n.empty()) return;
  const std::int32_t p = n[0];
  if (contiene_senza_maiuscole(c.parola, "velocit")) l.aggiungi("velocita", p, cella_profilo(p), cella_profilo(p));
  if (contiene_senza_maiuscole(c.parola, "aderenza")) l.aggiungi("aderenza", p, cella_profilo(p), cella_profilo(p));
  if (contiene_senza_maiuscole(c.parola, "segnale"))
    l.aggiungi("segnale", p, cella_punto(p), cella_punto(p), {{cella_punto(p), cella_segnale}});
  if (contiene_senza_maiuscole(c.parola, "rallentamento") && n.size() >= 3) {
    const std::int64_t inizio = cella_punto(p), fine = cella_punto(static_cast<double>(p) + n[2]);
    std::vector<std::pair<std::int64_t, std::uint8_t>> o{{inizio, cella_inizio_rallentamento}, {fine, cella_fine_rallentamento}};
    if (p > 1500) {
      o.push_back({cella_punto(p - 1200.0), cella_avviso_rallentamento});
      const std::int64_t b = nearest((p - 1200.0) / 50.0);
      if (n.size() >= 5 && n[4] != 0)
        for (std::int64_t k = 0; k < 4; ++k) o.push_back({b - k, cella_tavola_distanziometrica});
    }
    l.aggiungi("rallentamento", p, inizio, fine, std::move(o));
  }
  if (contiene_senza_maiuscole(c.parola, "abbattimento")) {
    const std::int64_t i = cella_profilo(p);
    l.aggiungi("abbattimento", p, i, i, {{i, cella_codice}, {i, cella_codice_senza_valore}});
  }
  if (contiene_senza_maiuscole(c.parola, "stazione") && n.size() >= 3) {
    const std::int32_t estensione = n.size() >= 6 ? n[5] : 0;
    const std::int64_t fine = fine_stazione(p, n[1], n[2], estensione);
    const std::int64_t marcatore = fine / 50 - 1;
    std::vector<std::pair<std::int64_t, std::uint8_t>> o;
    if (n[1] < 25) o.push_back({marcatore, cella_fine_stazione});
    l.aggiungi("stazione", p, marcatore, marcatore, std::move(o));
    l.s.stazioni.push_back({l.file, l.riga});
  }
}

void leggi_file(sorgenti_scenario& s, const std::string& testo, const std::string& nome, void (*record)(lettura&, const campi&)) {
  const int file = static_cast<int>(s.nomi.size());
  s.nomi.push_back(nome);
  const std::vector<std::string> righe = righe_di(testo);
  std::vector<std::string> utf8;
  utf8.reserve(righe.size());
  bool in_generale = false;
  for (std::size_t k = 0; k < righe.size(); ++k) {
    utf8.push_back(utf8_da_1252(righe[k]));
    // Both readers skip everything before "[generale]".
    if (!in_generale) {
      in_generale = contiene_senza_maiuscole(righe[k], "[generale]");
      continue;
    }
    const campi c = dividi(righe[k]);
    if (c.parola.empty() || separatore(c.parola)) continue;
    lettura l{s, file, k + 1};
    record(l, c);
  }
  s.righe.push_back(std::move(utf8));
}
}  // namespace

std::vector<std::string> righe_di(const std::string& testo) {
  std::vector<std::string> righe;
  std::size_t inizio = 0;
  while (inizio < testo.size()) {
    std::size_t fine = testo.find_first_of("\r\n", inizio);
    if (fine == std::string::npos) fine = testo.size();
    righe.push_back(testo.substr(inizio, fine - inizio));
    if (fine < testo.size() && testo[fine] == '\r' && fine + 1 < testo.size() && testo[fine + 1] == '\n') ++fine;
    inizio = fine + 1;
  }
  return righe;
}

sorgenti_scenario leggi_sorgenti(const std::string* linea, const std::string& nome_linea, const std::string* treno,
                                 const std::string& nome_treno) {
  sorgenti_scenario s;
  if (linea) leggi_file(s, *linea, nome_linea, record_linea);
  if (treno) leggi_file(s, *treno, nome_treno, record_treno);
  return s;
}

const record_vista* record_di_oggetto(const sorgenti_scenario& s, std::int64_t cella, std::uint8_t tipo) {
  for (const record_vista& r : s.record)
    for (const auto& [c, t] : r.oggetti)
      if (c == cella && t == tipo) return &r;
  return nullptr;
}
