#include "base/nomi_scenario.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view vietati = "/\\:*?\"<>|";

// CON, PRN, AUX, NUL, COM1-9, LPT1-9: Windows opens the device, whatever the
// case and whatever extension follows.
bool riservato_da_windows(std::string_view nome) {
  std::string radice(nome.substr(0, nome.find('.')));
  for (char& c : radice) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (radice == "CON" || radice == "PRN" || radice == "AUX" || radice == "NUL") return true;
  return radice.size() == 4 && (radice.starts_with("COM") || radice.starts_with("LPT")) && radice[3] >= '1' &&
         radice[3] <= '9';
}

}  // namespace

stato controlla_nome(std::string_view nome) {
  if (nome.empty()) return stato::valore("\xC3\xA8 vuoto");
  if (nome == "." || nome == "..") return stato::valore("\xC3\xA8 \"" + std::string(nome) + "\"");
  if (nome.size() > lunghezza_massima_nome)
    return stato::valore("\xC3\xA8 pi\xC3\xB9 lungo di " + std::to_string(lunghezza_massima_nome) + " byte");
  for (char c : nome) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) return stato::valore("contiene un carattere di controllo");
    if (c == '/' || c == '\\') return stato::valore("contiene un separatore di percorso");
    if (vietati.find(c) != std::string_view::npos)
      return stato::valore(std::string("contiene '") + c + "', che un nome di file non pu\xC3\xB2 avere");
  }
  if (riservato_da_windows(nome)) return stato::valore("\xC3\xA8 un nome che Windows riserva a un dispositivo");
  return {};
}

std::vector<std::string> percorsi_della_cartella(const std::vector<std::string>& elenco) {
  std::vector<std::string> v;
  for (const std::string& nome : elenco)
    for (std::string_view coda : {"_linea.txt", "_linea.dat"})
      if (nome.size() > coda.size() && nome.ends_with(coda)) v.push_back(nome.substr(0, nome.size() - coda.size()));
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
  return v;
}

std::vector<nomi_scenario> letture_nome_treno(std::string_view radice) {
  std::vector<nomi_scenario> letture;
  for (std::size_t u = radice.find('_'); u != std::string_view::npos; u = radice.find('_', u + 1)) {
    nomi_scenario n(std::string(radice.substr(0, u)), std::string(radice.substr(u + 1)));
    if (controlla_nome(n.nome_percorso).ok() && controlla_nome(n.numero_treno).ok()) letture.push_back(std::move(n));
  }
  return letture;
}

stato leggi_nomi_treno(std::string_view radice, const std::vector<std::string>& percorsi, nomi_scenario& nomi) {
  const std::vector<nomi_scenario> letture = letture_nome_treno(radice);
  std::vector<nomi_scenario> con_linea;
  for (const nomi_scenario& n : letture)
    if (std::binary_search(percorsi.begin(), percorsi.end(), n.nome_percorso)) con_linea.push_back(n);
  if (con_linea.size() == 1 || (con_linea.empty() && letture.size() == 1)) {
    nomi = con_linea.empty() ? letture.front() : con_linea.front();
    return {};
  }
  const std::string nome(radice);
  if (letture.empty()) return stato::valore(nome + ": non si legge come ROUTE_TRAIN");
  if (con_linea.empty())
    return stato::valore(nome + ": nessun file ROUTE_linea.txt della cartella dice quale parte \xC3\xA8 ROUTE");
  std::string modi;
  for (const nomi_scenario& n : con_linea) modi += (modi.empty() ? "" : ", ") + n.nome_percorso + ' ' + n.numero_treno;
  return stato::valore(nome + ": si legge in pi\xC3\xB9 modi (" + modi + "), uno per ogni ROUTE_linea.txt");
}
