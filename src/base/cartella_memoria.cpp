#include "base/cartella.h"

bool cartella_file::esiste(const std::string& nome) const {
  std::string byte;
  return leggi(nome, byte).ok();
}

stato cartella_memoria::leggi(const std::string& nome, std::string& byte) const {
  const auto it = file_.find(nome);
  if (it == file_.end()) return stato::non_trovato(nome);
  byte = it->second;
  return {};
}

stato cartella_memoria::sostituisci(const std::string& nome, std::string_view byte) {
  file_[nome].assign(byte);
  return {};
}

stato cartella_memoria::consegna(const std::string& nome, std::string&& byte) {
  file_[nome] = std::move(byte);
  return {};
}

std::optional<std::string> cartella_memoria::prendi(const std::string& nome) {
  const auto it = file_.find(nome);
  if (it == file_.end()) return std::nullopt;
  std::optional<std::string> byte(std::move(it->second));
  file_.erase(it);
  return byte;
}

stato cartella_memoria::elimina(const std::string& nome) {
  file_.erase(nome);
  return {};
}

std::vector<std::string> cartella_memoria::elenco() const {
  std::vector<std::string> nomi;
  for (const auto& [nome, byte] : file_) nomi.push_back(nome);
  return nomi;
}
