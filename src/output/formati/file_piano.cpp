#include "output/formati/file_piano.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace {
constexpr std::size_t casella = tabella_piano::byte_per_casella;

tag_piano tag_in(const char* s) { return tabella_piano::tag_della_casella(s); }

// Copies the values of the slots at da (valori of them) to a, each value its
// tag and payload without the slot's unused bytes, and returns the bytes
// written. a may be da itself: a value never moves forward, so the gaps are
// closed in place. A run of reals fills its slots whole and moves in one piece.
std::size_t chiudi_caselle(const char* da, std::size_t valori, char* a) {
  std::size_t scritti = 0;
  std::size_t v = 0;
  while (v < valori) {
    const char* s = da + v * casella;
    const tag_piano tag = tag_in(s);
    std::size_t n = byte_nel_file(tag);
    std::size_t quanti = 1;
    if (tag == tag_piano::reale)
      while (v + quanti < valori && tag_in(s + quanti * casella) == tag_piano::reale) ++quanti;
    n *= quanti;
    if (a + scritti != s) std::memmove(a + scritti, s, n);
    scritti += n;
    v += quanti;
  }
  return scritti;
}

std::size_t byte_del_file(const tabella_piano& piano) {
  std::size_t totale = 0;
  const char* s = piano.caselle().data();
  for (std::size_t v = 0; v < 2 * piano.punti(); ++v) totale += byte_nel_file(tag_in(s + v * casella));
  return totale;
}

std::string contesto(std::size_t indice) { return "valore " + std::to_string(indice); }
}  // namespace

blocco_byte codifica_piano(const tabella_piano& piano) {
  blocco_byte byte(byte_del_file(piano));
  if (piano.esiste()) chiudi_caselle(piano.caselle().data(), 2 * piano.punti(), byte.data());
  return byte;
}

blocco_byte codifica_piano(tabella_piano&& piano) {
  const std::size_t valori = 2 * piano.punti();
  blocco_byte byte = piano.cedi_caselle();
  byte.accorcia(chiudi_caselle(byte.data(), valori, byte.data()));
  return byte;
}

esito_decodifica decodifica_piano(std::string_view byte, tabella_piano& piano) {
  // First the whole file is checked and its values counted, then the table is
  // made at its size and filled.
  std::size_t valori = 0;
  cursore_byte in{byte};
  while (!in.alla_fine()) {
    const std::size_t dove = in.pos;
    const std::size_t indice = valori;
    std::uint16_t tag = 0;
    if (!prendi_u16(in, tag))
      return rifiuto(dove, contesto(indice) + " troncato nel suo tag (servono 2 byte, ne resta 1)");
    std::size_t payload = 0;
    if (tag == static_cast<std::uint16_t>(tag_piano::intero))
      payload = 2;
    else if (tag == static_cast<std::uint16_t>(tag_piano::reale))
      payload = 8;
    else if (tag != static_cast<std::uint16_t>(tag_piano::vuoto))
      return rifiuto(dove, contesto(indice) + " ha il tag sconosciuto " + std::to_string(tag) + " (atteso 0, 2 o 5)");
    if (in.resto() < payload)
      return rifiuto(in.pos, contesto(indice) + " troncato: il tag " + std::to_string(tag) + " vuole altri " +
                                 std::to_string(payload) + " byte, ne restano " + std::to_string(in.resto()));
    in.pos += payload;
    ++valori;
  }
  if (valori % 2 != 0)
    return rifiuto(byte.size(), "numero dispari di valori (" + std::to_string(valori) +
                                    "): le due coordinate vanno in numero uguale");
  const std::size_t meta = valori / 2;
  if (meta > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    return rifiuto(0, std::to_string(meta) + " valori per coordinata, pi\xC3\xB9 di quanti ne tenga una planimetria");
  tabella_piano letto;
  if (meta > 0) {
    letto.crea(static_cast<std::int32_t>(meta - 1));
    cursore_byte dati{byte};
    for (std::size_t v = 0; v < valori; ++v) {
      std::uint16_t tag = 0;
      prendi_u16(dati, tag);
      valore_piano x;
      x.tag = static_cast<tag_piano>(tag);
      if (x.tag == tag_piano::intero) prendi_i16(dati, x.intero);
      if (x.tag == tag_piano::reale) prendi_f64(dati, x.reale);
      letto.metti(static_cast<std::int32_t>(v % meta), static_cast<int>(v / meta), x);
    }
  }
  piano = std::move(letto);
  return decodifica_riuscita();
}
