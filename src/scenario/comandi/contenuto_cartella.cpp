#include "scenario/comandi/contenuto_cartella.h"

#include <filesystem>
#include <map>
#include <system_error>
#include <utility>

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "model/form1.h"

namespace {

struct forme_presenti {
  bool sorgenti = false, compatti = false;
};

// The ROUTE TRAIN pairs of the folder from its file names: a train source
// "R_T-.txt" or a scenario file "R_T.sim", split at the last underscore.
std::map<std::pair<std::string, std::string>, forme_presenti> coppie(const cartella_file& c) {
  std::map<std::pair<std::string, std::string>, forme_presenti> v;
  for (const std::string& nome : c.elenco()) {
    const bool sorgente = nome.ends_with("-.txt"), compatto = nome.ends_with(".sim");
    if (!sorgente && !compatto) continue;
    const std::string base = nome.substr(0, nome.size() - (sorgente ? 5 : 4));
    const std::size_t u = base.rfind('_');
    if (u == std::string::npos || u == 0 || u + 1 == base.size()) continue;
    forme_presenti& f = v[{base.substr(0, u), base.substr(u + 1)}];
    (sorgente ? f.sorgenti : f.compatti) = true;
  }
  return v;
}

}  // namespace

std::string cartella_non_valida(const std::string& dir) {
  std::error_code ec;
  const std::filesystem::path p = percorso_utf8(dir);
  if (std::filesystem::is_directory(p, ec)) return "";
  if (std::filesystem::exists(p, ec)) return "DIR '" + dir + "' non \xC3\xA8 una cartella";
  return "DIR '" + dir + "': cartella non trovata";
}

std::string cosa_c_e(const std::string& dir, const std::string& percorso, const std::string& treno) {
  const cartella_disco disco(percorso_utf8(dir));
  Form1 nomi;
  nomi.nome_percorso = percorso;
  nomi.numero_treno = treno;
  if (disco.esiste(file_treno(nomi)) && disco.esiste(file_linea(nomi)) && !disco.esiste(file_scenario(nomi)))
    return "I sorgenti ci sono: compilali prima con 'scenario compile " + dir + ' ' + percorso + ' ' + treno + "'.\n";
  const auto trovate = coppie(disco);
  if (trovate.empty())
    return "In " + dir + " non c'\xC3\xA8 alcuno scenario: nessun file ROUTE_TRAIN-.txt n\xC3\xA9 ROUTE_TRAIN.sim.\n";
  std::string s = "In " + dir + " ci sono:";
  for (const auto& [coppia, f] : trovate)
    s += "\n  " + coppia.first + ' ' + coppia.second + " (" +
         (f.sorgenti && f.compatti ? "sorgenti e file compatti"
          : f.sorgenti             ? "sorgenti"
                                   : "file compatti") +
         ")";
  return s + "\n";
}
