#include "output/formati/file_tracciato.h"

namespace {
void codifica_cella(char*& dst, const cella& c) {
  metti_u8(dst, c.tipo);
  metti_i16(dst, c.valore_1);
  metti_i16(dst, c.valore_2);
  metti_i16(dst, c.valore_3);
  metti_i16(dst, c.valore_4);
  metti_u8(dst, c.valore_5);
  metti_u8(dst, c.valore_6);
  metti_u8(dst, c.montagna);
  metti_u8(dst, c.velocita);
  metti_u8(dst, c.pendenza);
  metti_u8(dst, c.aderenza);
}
}  // namespace

std::string codifica_tracciato(const std::vector<cella>& percorso) {
  std::string byte(percorso.size() * byte_per_cella, '\0');
  char* p = byte.data();
  for (const cella& c : percorso) codifica_cella(p, c);
  return byte;
}

namespace {
// The caller has checked that 15 bytes are left, so no get can fail here.
cella decodifica_cella(cursore_byte& in) {
  cella c;
  prendi_u8(in, c.tipo);
  prendi_i16(in, c.valore_1);
  prendi_i16(in, c.valore_2);
  prendi_i16(in, c.valore_3);
  prendi_i16(in, c.valore_4);
  prendi_u8(in, c.valore_5);
  prendi_u8(in, c.valore_6);
  prendi_u8(in, c.montagna);
  prendi_u8(in, c.velocita);
  prendi_u8(in, c.pendenza);
  prendi_u8(in, c.aderenza);
  return c;
}
}  // namespace

esito_decodifica decodifica_tracciato(std::string_view byte, std::vector<cella>& percorso) {
  const std::size_t celle = byte.size() / byte_per_cella;
  const std::size_t avanzo = byte.size() % byte_per_cella;
  if (avanzo != 0)
    return rifiuto(celle * byte_per_cella,
                   "cella " + std::to_string(celle) + " troncata: " + std::to_string(avanzo) + " byte su 15");
  if (celle < 2)
    return rifiuto(byte.size(),
                   "un tracciato ha almeno le celle 0 e 1 (30 byte), il file ne ha " + std::to_string(byte.size()));
  std::vector<cella> letto;
  letto.reserve(celle);
  cursore_byte in{byte};
  while (!in.alla_fine()) letto.push_back(decodifica_cella(in));
  percorso = std::move(letto);
  return decodifica_riuscita();
}
