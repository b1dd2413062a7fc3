#include "scenario/documenti_autore/tabella_documenti.h"

#include <algorithm>
#include <cctype>

#include "scenario/documenti_autore/grammatica_documenti.h"

std::string file_tabella_documenti(const std::string& percorso, const std::string& treno) {
  return percorso + "_" + treno + "_documenti.txt";
}

namespace {

std::string senza_blank_tabella(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return std::string(s);
}

// The fields of a line: n - 1 up to a comma, the last one the rest.
std::vector<std::string> campi(std::string_view riga, std::size_t n) {
  std::vector<std::string> c;
  while (c.size() + 1 < n) {
    const std::size_t virgola = riga.find(',');
    if (virgola == std::string_view::npos) break;
    c.push_back(senza_blank_tabella(riga.substr(0, virgola)));
    riga.remove_prefix(virgola + 1);
  }
  c.push_back(senza_blank_tabella(riga));
  return c;
}

bool cifre(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A column by its name in any case, counted from 1; 0 when none.
std::size_t indice_colonna(std::span<const std::string_view> colonne, const std::string& nome) {
  for (std::size_t k = 0; k < colonne.size(); ++k)
    if (colonne[k].size() == nome.size() &&
        std::equal(nome.begin(), nome.end(), colonne[k].begin(), [](char a, char b) {
          return std::toupper(static_cast<unsigned char>(a)) == static_cast<unsigned char>(b);
        }))
      return k + 1;
  return 0;
}

// The fields of one line checked against the grammar: each fault as
// "FILE:RIGA: ..." in errori; a number that does not fit reads as 0.
struct lettura {
  const std::string& file;
  std::size_t riga;
  std::vector<std::string>& errori;

  void rifiuta(const std::string& perche) { errori.push_back(file + ":" + std::to_string(riga) + ": " + perche); }

  void controlla(const campo_documenti& c, const std::string& s) {
    const std::string nome(c.etichetta);
    switch (c.voce) {
      case voce_documenti::numero_o_vuoto:
        if (s.empty()) return;
        [[fallthrough]];
      case voce_documenti::numero:
        if (!cifre(s) || s.size() > 9 || std::stoll(s) > c.massimo)
          rifiuta(nome + " '" + s + "': un numero intero da 0 a " + std::to_string(c.massimo));
        return;
      case voce_documenti::orario: {
        if (s.empty()) return;
        const std::size_t punto = s.find('.');
        const bool forma = punto != std::string::npos && punto >= 1 && punto <= 2 && s.size() == punto + 3 &&
                           cifre(s.substr(0, punto)) && cifre(s.substr(punto + 1));
        if (!forma || std::stoi(s.substr(0, punto)) > 23 || std::stoi(s.substr(punto + 1)) > 59)
          rifiuta(nome + " '" + s + "': ore e minuti come 13.57");
        return;
      }
      case voce_documenti::chilometro: {
        if (s.empty()) return;
        const std::size_t punto = s.find('.');
        if (punto == std::string::npos || punto < 1 || punto > 4 || s.size() != punto + 4 ||
            !cifre(s.substr(0, punto)) || !cifre(s.substr(punto + 1)))
          rifiuta(nome + " '" + s + "': chilometri e metri come 146.823");
        return;
      }
      case voce_documenti::come_stampato: {
        const std::string t = testo_come_stampato(s);
        if (t.size() > static_cast<std::size_t>(c.massimo))
          rifiuta(nome + " '" + t + "': al massimo " + std::to_string(c.massimo) + " caratteri");
        return;
      }
      case voce_documenti::colonna_scheda:
        if (indice_colonna(colonne_scheda_documenti(), s) == 0)
          rifiuta(nome + " '" + s + "': LIM, MARCIA, KM, NORS, NOME, ORARIO o REC");
        return;
      case voce_documenti::colonna_ordine:
        if (indice_colonna(colonne_ordine_documenti(), s) <= 1)
          rifiuta(nome + " '" + s + "': STAZIONI, CIPPO, VELOCITA, METRI o PRESCRIZIONI");
        return;
      case voce_documenti::testo:
        if (c.massimo > 0 && s.size() > static_cast<std::size_t>(c.massimo))
          rifiuta(nome + " '" + s + "': al massimo " + std::to_string(c.massimo) + " caratteri");
        return;
    }
  }
};

// A number field as read: 0 when it was refused.
std::int64_t numero(const std::string& s) { return cifre(s) && s.size() <= 9 ? std::stoll(s) : 0; }

// Keeps one record's checked fields where the documents look for them.
void conserva(genere_documenti g, const std::vector<std::string>& c, std::size_t riga, tabella_documenti& t) {
  switch (g) {
    case genere_documenti::classificazione:
      t.classificazione = c[0];
      return;
    case genere_documenti::massa:
      t.massa = c[0];
      return;
    case genere_documenti::rango:
      t.rango = c[0];
      return;
    case genere_documenti::nota:
      t.nota = c[0];
      return;
    case genere_documenti::riga: {
      riga_della_tabella r;
      r.progressiva = numero(c[0]);
      r.marcia = c[1];
      r.no_rs = c[2];
      r.arrivo = c[3];
      r.orario = c[4];
      r.recupero = c[5];
      r.nome = c[6];
      r.riga = riga;
      t.righe.push_back(r);
      return;
    }
    case genere_documenti::rallentamento_su_carta:
      t.su_carta.push_back({numero(c[0]), static_cast<int>(numero(c[1])), static_cast<int>(numero(c[2])), c[3], c[4]});
      return;
    case genere_documenti::prescrizioni:
      t.prescrizioni.push_back({numero(c[0]), c[1], riga});
      return;
    case genere_documenti::prescrizione:
      t.legenda.push_back({c[0], c[1]});
      return;
    case genere_documenti::pagina:
      t.pagine.push_back({static_cast<std::size_t>(numero(c[0])), c[1], testo_come_stampato(c[2]), riga});
      return;
    case genere_documenti::ometti:
      t.omesse.push_back({numero(c[0]), riga});
      return;
    case genere_documenti::riga_stampata: {
      riga_della_tabella r;
      r.progressiva = numero(c[0]);
      r.limite = c[1];
      r.marcia = c[2];
      r.km = c[3];
      r.no_rs = c[4];
      r.arrivo = c[5];
      r.orario = c[6];
      r.recupero = c[7];
      r.nome = c[8];
      r.riga = riga;
      r.stampata = true;
      t.righe.push_back(r);
      return;
    }
    case genere_documenti::cella_scheda:
    case genere_documenti::cella_ordine: {
      const bool scheda = g == genere_documenti::cella_scheda;
      const std::size_t k = indice_colonna(scheda ? colonne_scheda_documenti() : colonne_ordine_documenti(), c[1]);
      if (k == 0 || (!scheda && k == 1)) return;  // refused by its check
      (scheda ? t.celle_scheda : t.celle_ordine).push_back({numero(c[0]), k - 1, testo_come_stampato(c[2]), riga});
      return;
    }
  }
}

}  // namespace

tabella_documenti leggi_tabella_documenti(const std::vector<std::string>& righe, const std::string& file,
                                          std::vector<std::string>& errori) {
  tabella_documenti t;
  for (std::size_t i = 0; i < righe.size(); ++i) {
    const std::string riga = senza_blank_tabella(righe[i]);
    if (riga.empty() || riga[0] == ';') continue;
    lettura l{file, i + 1, errori};
    std::string chiave = campi(riga, 2)[0];
    std::transform(chiave.begin(), chiave.end(), chiave.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const record_documenti* r = record_documenti_di(chiave);
    if (!r) {
      l.rifiuta("record sconosciuto '" + chiave + "': " + chiavi_documenti());
      continue;
    }
    const std::size_t n = r->campi.size();
    std::vector<std::string> c = campi(riga, n + 1);
    if (c.size() < n + 1) {
      l.rifiuta("'" + chiave + "' vuole " + std::to_string(n) + (n == 1 ? " campo" : " campi") + ", qui ce ne sono " +
                std::to_string(c.size() - 1));
      continue;
    }
    c.erase(c.begin());
    for (std::size_t k = 0; k < n; ++k) l.controlla(r->campi[k], c[k]);
    conserva(r->genere, c, i + 1, t);
  }
  return t;
}
