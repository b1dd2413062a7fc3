#include "scenario/sorgenti/compagno_sorgente.h"

#include <vector>

#include "base/cartella.h"
#include "base/file_disco.h"
#include "scenario/sorgenti/elenco_sorgente.h"

namespace fs = std::filesystem;

namespace {

bool finisce_con(const std::string& nome, std::string_view coda) {
  return nome.size() > coda.size() && nome.ends_with(coda);
}

std::optional<compagno_sorgente> leggi(const fs::path& p, const nomi_scenario& nomi) {
  compagno_sorgente c{{}, nomi};
  if (!leggi_file_disco(p, c.byte).ok()) return std::nullopt;
  return c;
}

}  // namespace

bool e_file_treno(const std::string& nome, const std::string& byte) {
  return finisce_con(nome, "-.txt") ? true : finisce_con(nome, "_linea.txt") ? false : sembra_file_treno(byte);
}

std::optional<compagno_sorgente> compagno_accanto(const fs::path& file, bool treno) {
  const std::string nome = testo_utf8(file.filename());
  const fs::path dir = file.has_parent_path() ? file.parent_path() : fs::path(".");
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) return std::nullopt;
  const std::vector<std::string> elenco = cartella_disco(dir).elenco();
  if (treno) {
    if (!finisce_con(nome, "-.txt")) return std::nullopt;
    nomi_scenario n;
    if (!leggi_nomi_treno(nome.substr(0, nome.size() - 5), percorsi_della_cartella(elenco), n).ok())
      return std::nullopt;
    return leggi(dir / percorso_utf8(n.nome_percorso + "_linea.txt"), n);
  }
  if (!finisce_con(nome, "_linea.txt")) return std::nullopt;
  const std::string percorso = nome.substr(0, nome.size() - 10);
  std::vector<std::pair<std::string, nomi_scenario>> treni;
  for (const std::string& e : elenco) {
    if (!finisce_con(e, "-.txt")) continue;
    for (const nomi_scenario& l : letture_nome_treno(e.substr(0, e.size() - 5)))
      if (l.nome_percorso == percorso) {
        treni.emplace_back(e, l);
        break;
      }
  }
  if (treni.size() != 1) return std::nullopt;
  return leggi(dir / percorso_utf8(treni.front().first), treni.front().second);
}
