#include "scenario/comandi/nomi_scenario.h"

#include <cctype>

std::string motivo_nome_non_valido(std::string_view nome) {
  for (char c : nome) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) return "contiene un carattere di controllo";
    if (c == '/' || c == '\\') return "contiene un separatore di percorso";
  }
  if (nome.find("..") != std::string_view::npos) return "contiene \"..\"";
  if (nome.size() >= 2 && nome[1] == ':' && std::isalpha(static_cast<unsigned char>(nome[0])))
    return "comincia con una lettera di unit\xC3\xA0";
  return "";
}
