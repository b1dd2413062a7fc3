#include "scenario/comandi/cartella_compilazione.h"

#include <algorithm>

bool cartella_compilazione::scritto(const std::string& nome) const {
  return std::find(scritti_.begin(), scritti_.end(), nome) != scritti_.end();
}

stato cartella_compilazione::leggi(const std::string& nome, std::string& byte) const {
  if (scritto(nome)) return destinazione_.leggi(nome, byte);
  return sorgenti_.leggi(nome, byte);
}

stato cartella_compilazione::sostituisci(const std::string& nome, std::string_view byte) {
  stato s = destinazione_.sostituisci(nome, byte);
  if (s.ok() && !scritto(nome)) scritti_.push_back(nome);
  return s;
}

// Only the copy goes: the author's source file stays.
stato cartella_compilazione::elimina(const std::string& nome) { return sorgenti_.elimina(nome); }

std::vector<std::string> cartella_compilazione::elenco() const {
  std::vector<std::string> nomi = sorgenti_.elenco();
  nomi.insert(nomi.end(), scritti_.begin(), scritti_.end());
  std::sort(nomi.begin(), nomi.end());
  nomi.erase(std::unique(nomi.begin(), nomi.end()), nomi.end());
  return nomi;
}
