#include "output/file_piano.h"

#include <cstdint>
#include <vector>

namespace {
void codifica_valore(std::string& dst, const valore_piano& v) {
  metti_u16(dst, static_cast<std::uint16_t>(v.tag));
  if (v.tag == tag_piano::intero) metti_i16(dst, v.intero);
  if (v.tag == tag_piano::reale) metti_f64(dst, v.reale);
}

std::size_t byte_del_valore(const valore_piano& v) {
  switch (v.tag) {
    case tag_piano::intero: return 4;
    case tag_piano::reale: return 10;
    default: return 2;
  }
}

std::string contesto(std::size_t indice) { return "valore " + std::to_string(indice); }
}  // namespace

std::string codifica_piano(const tabella_piano& piano) {
  std::size_t totale = 0;
  for (const auto& colonna : piano.colonne)
    for (const valore_piano& v : colonna) totale += byte_del_valore(v);
  std::string byte;
  byte.reserve(totale);
  for (const auto& colonna : piano.colonne)
    for (const valore_piano& v : colonna) codifica_valore(byte, v);
  return byte;
}

esito_decodifica decodifica_piano(std::string_view byte, tabella_piano& piano) {
  std::vector<valore_piano> valori;
  cursore_byte in{byte};
  while (!in.alla_fine()) {
    const std::size_t dove = in.pos;
    const std::size_t indice = valori.size();
    std::uint16_t tag = 0;
    if (!prendi_u16(in, tag))
      return rifiuto(dove, contesto(indice) + " troncato nel suo tag (servono 2 byte, ne resta 1)");
    valore_piano v;
    if (tag == static_cast<std::uint16_t>(tag_piano::vuoto)) {
      v.tag = tag_piano::vuoto;
    } else if (tag == static_cast<std::uint16_t>(tag_piano::intero)) {
      v.tag = tag_piano::intero;
      if (!prendi_i16(in, v.intero))
        return rifiuto(in.pos, contesto(indice) + " troncato: il tag 2 vuole altri 2 byte, ne restano " +
                                   std::to_string(in.resto()));
    } else if (tag == static_cast<std::uint16_t>(tag_piano::reale)) {
      v.tag = tag_piano::reale;
      if (!prendi_f64(in, v.reale))
        return rifiuto(in.pos, contesto(indice) + " troncato: il tag 5 vuole altri 8 byte, ne restano " +
                                   std::to_string(in.resto()));
    } else {
      return rifiuto(dove, contesto(indice) + " ha il tag sconosciuto " + std::to_string(tag) + " (atteso 0, 2 o 5)");
    }
    valori.push_back(v);
  }
  if (valori.size() % 2 != 0)
    return rifiuto(byte.size(), "numero dispari di valori (" + std::to_string(valori.size()) +
                                    "): le due coordinate vanno in numero uguale");
  const std::size_t meta = valori.size() / 2;
  tabella_piano letto;
  letto.colonne[0].assign(valori.begin(), valori.begin() + static_cast<std::ptrdiff_t>(meta));
  letto.colonne[1].assign(valori.begin() + static_cast<std::ptrdiff_t>(meta), valori.end());
  piano = std::move(letto);
  return decodifica_riuscita();
}
