#pragma once
#include <string_view>

// Keyword tests of the source files are substring tests on the item.

inline bool contiene(std::string_view voce, std::string_view parola) {
  return voce.find(parola) != std::string_view::npos;
}

// Letter case ignored for ASCII letters only: items are raw Windows-1252
// bytes and other bytes compare as they are.
inline bool contiene_senza_maiuscole(std::string_view voce, std::string_view parola) {
  auto minuscola = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  if (parola.size() > voce.size()) return false;
  for (std::size_t i = 0; i + parola.size() <= voce.size(); ++i) {
    std::size_t j = 0;
    while (j < parola.size() && minuscola(voce[i + j]) == minuscola(parola[j])) ++j;
    if (j == parola.size()) return true;
  }
  return false;
}

// A section header holds "[" and "]" and does not begin with "-" once its
// leading blanks are removed.
inline bool intestazione_sezione(std::string_view voce) {
  std::size_t primo = voce.find_first_not_of(" \t");
  if (primo != std::string_view::npos && voce[primo] == '-') return false;
  return contiene(voce, "[") && contiene(voce, "]");
}

// Ruler items and other separators contain a minus sign anywhere.
inline bool separatore(std::string_view voce) { return contiene(voce, "-"); }
