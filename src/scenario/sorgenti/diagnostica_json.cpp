#include "scenario/sorgenti/diagnostica_json.h"

#include <cstdint>
#include <string>

#include "scenario/testo/json_in_riga.h"

namespace {
nlohmann::ordered_json testo_o_null(const std::string& s) {
  return s.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(s);
}

// The error's number from its code: its digits, up to six of them.
int numero_di(const std::string& codice) {
  int numero = 0;
  for (char c : codice) numero = c >= '0' && c <= '9' && numero < 100000 ? numero * 10 + (c - '0') : numero;
  return numero;
}
}  // namespace

nlohmann::ordered_json json_diagnostica(const diagnostica& d) {
  nlohmann::ordered_json j;
  j["genere"] = d.avviso ? "avviso" : "errore";
  j["file"] = testo_o_null(d.file);
  j["riga"] = d.con_posizione ? nlohmann::ordered_json(d.riga) : nlohmann::ordered_json(nullptr);
  j["colonna"] = d.con_posizione ? nlohmann::ordered_json(d.colonna) : nlohmann::ordered_json(nullptr);
  j["codice"] = d.codice;
  j["numero_errore"] =
      d.avviso || d.scivolone ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(numero_di(d.codice));
  j["messaggio"] = d.messaggio;
  if (d.nota.riga != 0)
    j["nota"] = {
        {"file", d.nota.file}, {"riga", d.nota.riga}, {"colonna", d.nota.colonna}, {"messaggio", d.nota.messaggio}};
  else
    j["nota"] = nullptr;
  j["progressiva"] = d.progressiva >= 0 ? nlohmann::ordered_json(d.progressiva) : nlohmann::ordered_json(nullptr);
  j["punto_chilometrico"] = testo_o_null(d.punto_chilometrico);
  return j;
}

nlohmann::ordered_json json_diagnostiche(const std::vector<diagnostica>& v) {
  nlohmann::ordered_json j = nlohmann::ordered_json::array();
  for (const diagnostica& d : v) j.push_back(json_diagnostica(d));
  return j;
}

void stampa_diagnostica_json(std::ostream& out, const diagnostica& d) { scrivi_json_in_riga(out, json_diagnostica(d)); }

void stampa_diagnostiche_json(std::ostream& out, const std::vector<diagnostica>& v) {
  scrivi_json_in_riga(out, json_diagnostiche(v));
}
