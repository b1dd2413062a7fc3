#include "scenario/documenti/tabella_documenti.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>

std::string file_tabella_documenti(const std::string& percorso, const std::string& treno) {
  return percorso + "_" + treno + "_documenti.txt";
}

namespace {

std::string senza_blank(std::string_view s) {
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
    c.push_back(senza_blank(riga.substr(0, virgola)));
    riga.remove_prefix(virgola + 1);
  }
  c.push_back(senza_blank(riga));
  return c;
}

bool cifre(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What one record's line is checked against.
struct lettura {
  const std::string& file;
  std::size_t riga;
  std::vector<std::string>& errori;
  bool ok = true;

  void rifiuta(const std::string& perche) {
    errori.push_back(file + ":" + std::to_string(riga) + ": " + perche);
    ok = false;
  }
  std::int64_t numero(const std::string& s, const char* nome, std::int64_t massimo) {
    if (!cifre(s) || s.size() > 9 || std::stoll(s) > massimo) {
      rifiuta(std::string(nome) + " '" + s + "': un numero intero da 0 a " + std::to_string(massimo));
      return 0;
    }
    return std::stoll(s);
  }
  std::string velocita(const std::string& s, const char* nome) {
    if (!s.empty()) numero(s, nome, 999);
    return s;
  }
  std::string orario(const std::string& s, const char* nome) {
    if (s.empty()) return s;
    const std::size_t punto = s.find('.');
    const bool forma = punto != std::string::npos && punto >= 1 && punto <= 2 && s.size() == punto + 3 &&
                       cifre(s.substr(0, punto)) && cifre(s.substr(punto + 1));
    if (!forma || std::stoi(s.substr(0, punto)) > 23 || std::stoi(s.substr(punto + 1)) > 59)
      rifiuta(std::string(nome) + " '" + s + "': ore e minuti come 13.57");
    return s;
  }
  std::string testo(const std::string& s, const char* nome, std::size_t massimo) {
    if (s.size() > massimo)
      rifiuta(std::string(nome) + " '" + s + "': al massimo " + std::to_string(massimo) + " caratteri");
    return s;
  }
};

}  // namespace

tabella_documenti leggi_tabella_documenti(const std::vector<std::string>& righe, const std::string& file,
                                          std::vector<std::string>& errori) {
  tabella_documenti t;
  for (std::size_t i = 0; i < righe.size(); ++i) {
    const std::string riga = senza_blank(righe[i]);
    if (riga.empty() || riga[0] == ';') continue;
    lettura l{file, i + 1, errori};
    std::string chiave = campi(riga, 2)[0];
    std::transform(chiave.begin(), chiave.end(), chiave.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    // Each record: its number of fields after the keyword and what it keeps.
    const std::map<std::string, std::pair<std::size_t, std::function<void(const std::vector<std::string>&)>>> record = {
        {"classificazione", {1, [&](const auto& c) { t.classificazione = l.testo(c[0], "classificazione", 19); }}},
        {"massa",
         {1,
          [&](const auto& c) {
            l.numero(c[0], "massa", 99999);
            t.massa = c[0];
          }}},
        {"rango", {1, [&](const auto& c) { t.rango = l.testo(c[0], "rango", 14); }}},
        {"nota", {1, [&](const auto& c) { t.nota = l.testo(c[0], "nota", 82); }}},
        {"riga",
         {7,
          [&](const auto& c) {
            riga_della_tabella r;
            r.progressiva = l.numero(c[0], "progressiva", 1000000);
            r.marcia = l.velocita(c[1], "velocit\xC3\xA0 di marcia");
            r.no_rs = l.velocita(c[2], "velocit\xC3\xA0 No Rs");
            r.arrivo = l.orario(c[3], "arrivo");
            r.orario = l.orario(c[4], "orario");
            r.recupero = l.testo(c[5], "recupero", 3);
            r.nome = l.testo(c[6], "nome", 27);
            r.riga = i + 1;
            t.righe.push_back(r);
          }}},
        {"rallentamento_su_carta",
         {5,
          [&](const auto& c) {
            rallentamento_su_carta r;
            r.progressiva = l.numero(c[0], "progressiva", 1000000);
            r.velocita = static_cast<int>(l.numero(c[1], "velocit\xC3\xA0", 999));
            r.lunghezza = static_cast<int>(l.numero(c[2], "lunghezza", 99999));
            r.prescrizioni = l.testo(c[3], "prescrizioni", 12);
            r.stazioni = l.testo(c[4], "stazioni", 28);
            t.su_carta.push_back(r);
          }}},
        {"prescrizioni",
         {2,
          [&](const auto& c) {
            t.prescrizioni.push_back(
                {l.numero(c[0], "progressiva", 1000000), l.testo(c[1], "prescrizioni", 12), i + 1});
          }}},
        {"prescrizione",
         {2,
          [&](const auto& c) {
            t.legenda.push_back({l.testo(c[0], "lettera", 2), c[1]});
          }}},
    };
    const auto trovato = record.find(chiave);
    if (trovato == record.end()) {
      l.rifiuta("record sconosciuto '" + chiave +
                "': classificazione, massa, rango, nota, riga, rallentamento_su_carta, prescrizioni o prescrizione");
      continue;
    }
    const std::size_t n = trovato->second.first;
    std::vector<std::string> c = campi(riga, n + 1);
    if (c.size() < n + 1) {
      l.rifiuta("'" + chiave + "' vuole " + std::to_string(n) + (n == 1 ? " campo" : " campi") + ", qui ce ne sono " +
                std::to_string(c.size() - 1));
      continue;
    }
    c.erase(c.begin());
    trovato->second.second(c);
  }
  return t;
}
