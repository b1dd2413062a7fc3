#include "documents/celle_testo.h"

#include <cstdlib>

std::string a_sinistra(std::string_view testo, std::size_t larghezza) {
  std::string s(testo.substr(0, larghezza));
  s.resize(larghezza, ' ');
  return s;
}

std::string a_destra(std::string_view testo, std::size_t larghezza) {
  testo = testo.substr(0, larghezza);
  return std::string(larghezza - testo.size(), ' ') + std::string(testo);
}

std::string al_centro(std::string_view testo, std::size_t larghezza) {
  testo = testo.substr(0, larghezza);
  const std::size_t prima = (larghezza - testo.size()) / 2;
  return a_sinistra(std::string(prima, ' ') + std::string(testo), larghezza);
}

std::string testo_orario(std::int32_t secondi) {
  const std::int32_t minuti = secondi / 60;
  std::string m = std::to_string(minuti % 60);
  if (m.size() < 2) m.insert(0, "0");
  return std::to_string(minuti / 60 % 24) + "." + m;
}

std::string testo_km(std::int64_t metri) {
  const std::int64_t m = std::llabs(metri);
  std::string resto = std::to_string(m % 1000);
  resto.insert(0, 3 - resto.size(), '0');
  return (metri < 0 ? "-" : "") + std::to_string(m / 1000) + "." + resto;
}
