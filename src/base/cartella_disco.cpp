#include <algorithm>
#include <system_error>

#include "base/cartella.h"
#include "base/cause_sistema.h"
#include "base/file_disco.h"

namespace fs = std::filesystem;

std::filesystem::path percorso_utf8(std::string_view testo) {
  return fs::path(std::u8string(testo.begin(), testo.end()));
}

std::string testo_utf8(const std::filesystem::path& p) {
  const std::u8string u = p.u8string();
  return std::string(u.begin(), u.end());
}

fs::path cartella_disco::percorso_di(const std::string& nome) const { return radice_ / percorso_utf8(nome); }

std::string cartella_disco::nome_completo(const std::string& nome) const { return testo_utf8(percorso_di(nome)); }

bool cartella_disco::esiste(const std::string& nome) const {
  std::error_code ec;
  return fs::is_regular_file(percorso_di(nome), ec);
}

stato cartella_disco::leggi(const std::string& nome, std::string& byte) const {
  return leggi_file_disco(percorso_di(nome), byte);
}

stato cartella_disco::sostituisci(const std::string& nome, std::string_view byte) {
  return sostituisci_file_disco(percorso_di(nome), byte);
}

stato cartella_disco::elimina(const std::string& nome) {
  std::error_code ec;
  fs::remove(percorso_di(nome), ec);
  if (ec) return stato::file_system(nome_completo(nome), "impossibile eliminare: " + causa_di(ec));
  return {};
}

std::vector<std::string> cartella_disco::elenco() const {
  std::vector<std::string> nomi;
  std::error_code ec;
  for (fs::directory_iterator it(radice_, ec), fine; !ec && it != fine; it.increment(ec))
    if (it->is_regular_file(ec)) nomi.push_back(testo_utf8(it->path().filename()));
  std::sort(nomi.begin(), nomi.end());
  return nomi;
}
