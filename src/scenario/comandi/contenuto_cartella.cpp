#include "scenario/comandi/contenuto_cartella.h"

#include <filesystem>
#include <map>
#include <system_error>
#include <utility>
#include <vector>

#include "base/cartella.h"
#include "base/nomi_file.h"

namespace {

struct forme_presenti {
  bool sorgenti = false, compatti = false;
};

struct coppie_presenti {
  std::map<std::pair<std::string, std::string>, forme_presenti> lette;
  std::vector<std::string> dubbie;  // why a file's name reads as no pair, or as several
};

// The ROUTE TRAIN pairs of the folder from its file names: a train source
// "R_T-.txt" or a scenario file "R_T.sim", read back as base/nomi_scenario.h
// reads them (the route keys of the folder say where ROUTE ends).
coppie_presenti coppie(const cartella_file& c) {
  coppie_presenti v;
  const std::vector<std::string> elenco = c.elenco();
  const std::vector<std::string> percorsi = percorsi_della_cartella(elenco);
  for (const std::string& nome : elenco) {
    const bool sorgente = nome.ends_with("-.txt"), compatto = nome.ends_with(".sim");
    if (!sorgente && !compatto) continue;
    const std::string base = nome.substr(0, nome.size() - (sorgente ? 5 : 4));
    if (base.find('_') == std::string::npos) continue;
    nomi_scenario n;
    if (const stato s = leggi_nomi_treno(base, percorsi, n); !s.ok()) {
      if (s.testo().find("ROUTE_linea.txt") != std::string::npos)
        v.dubbie.push_back(nome + s.testo().substr(base.size()));
      continue;
    }
    forme_presenti& f = v.lette[{n.nome_percorso, n.numero_treno}];
    (sorgente ? f.sorgenti : f.compatti) = true;
  }
  return v;
}

}  // namespace

stato cartella_non_valida(const std::string& dir) {
  std::error_code ec;
  const std::filesystem::path p = percorso_utf8(dir);
  if (std::filesystem::is_directory(p, ec)) return {};
  if (std::filesystem::exists(p, ec)) return stato::file_system("", "DIR '" + dir + "' non \xC3\xA8 una cartella");
  return stato::file_system("DIR '" + dir + "'", "cartella non trovata");
}

stato cartella_gia_presente(const std::string& dir) {
  std::error_code ec;
  if (!std::filesystem::exists(percorso_utf8(dir), ec) && !ec) return {};
  return stato::file_system("", "DIR '" + dir + "' c'\xC3\xA8 gi\xC3\xA0: serve una cartella nuova");
}

std::string cosa_c_e(const std::string& dir, const nomi_scenario& nomi) {
  const cartella_disco disco(percorso_utf8(dir));
  if (disco.esiste(file_treno(nomi)) && disco.esiste(file_linea(nomi)) && !disco.esiste(file_scenario(nomi)))
    return "I sorgenti ci sono: compilali prima con 'scenario compile " + dir + ' ' + nomi.nome_percorso + ' ' +
           nomi.numero_treno + "'.\n";
  const coppie_presenti trovate = coppie(disco);
  if (trovate.lette.empty() && trovate.dubbie.empty())
    return "In " + dir + " non c'\xC3\xA8 alcuno scenario: nessun file ROUTE_TRAIN-.txt n\xC3\xA9 ROUTE_TRAIN.sim.\n";
  std::string s = "In " + dir + " ci sono:";
  for (const auto& [coppia, f] : trovate.lette)
    s += "\n  " + coppia.first + ' ' + coppia.second + " (" +
         (f.sorgenti && f.compatti ? "sorgenti e file compatti"
          : f.sorgenti             ? "sorgenti"
                                   : "file compatti") +
         ")";
  for (const std::string& d : trovate.dubbie) s += "\n  " + d;
  return s + "\n";
}
