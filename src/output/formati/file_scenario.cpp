#include "output/formati/file_scenario.h"

#include <limits>
#include <memory>

#include "base/stato.h"

namespace {
void controlla_nome(const stazione& s, std::size_t indice) {
  if (s.nome.size() > std::numeric_limits<std::uint16_t>::max())
    interrompi(stato::valore("nome della voce " + std::to_string(indice) + " di " + std::to_string(s.nome.size()) +
                             " byte, oltre 65535"));
}

void codifica_voce(char*& dst, const stazione& s) {
  metti_u8(dst, s.tipo);
  metti_i32(dst, s.inizio);
  metti_i32(dst, s.fine);
  metti_i32(dst, s.progressiva);
  metti_u8(dst, s.campo_5);
  metti_u16(dst, static_cast<std::uint16_t>(s.nome.size()));
  metti_byte(dst, s.nome);
  metti_i16(dst, s.campo_7);
  metti_i16(dst, s.campo_8);
  metti_i16(dst, s.campo_9);
  metti_i16(dst, s.campo_10);
  metti_i16(dst, s.campo_11);
  metti_u8(dst, s.campo_12);
  metti_u8(dst, s.campo_13);
  metti_u8(dst, s.campo_14);
  metti_u8(dst, s.campo_15);
  metti_i32(dst, s.orario);
}

// Reads one entry; on a short read names the entry and the field it was in.
struct lettura_voce {
  cursore_byte& in;
  std::size_t indice;
  esito_decodifica esito{};

  template <class T, class Prendi>
  void campo(const char* nome, T& v, Prendi prendi) {
    if (!esito.valido) return;
    const std::size_t dove = in.pos;
    if (!prendi(in, v))
      esito = rifiuto(dove, "voce " + std::to_string(indice) + " troncata in " + nome + " (servono " +
                                std::to_string(sizeof(T)) + " byte, ne restano " + std::to_string(in.resto()) + ")");
  }
  void testo(std::string& nome, std::uint16_t lunghezza) {
    if (!esito.valido) return;
    if (in.resto() < lunghezza) {
      esito = rifiuto(in.pos, "voce " + std::to_string(indice) + " troncata in nome (servono " +
                                  std::to_string(lunghezza) + " byte, ne restano " + std::to_string(in.resto()) + ")");
      return;
    }
    nome.assign(in.dati.substr(in.pos, lunghezza));
    in.pos += lunghezza;
  }
};

esito_decodifica decodifica_voce(cursore_byte& in, std::size_t indice, stazione& s) {
  lettura_voce l{in, indice};
  std::uint16_t lunghezza = 0;
  l.campo("tipo", s.tipo, prendi_u8);
  l.campo("inizio", s.inizio, prendi_i32);
  l.campo("fine", s.fine, prendi_i32);
  l.campo("progressiva", s.progressiva, prendi_i32);
  l.campo("campo_5", s.campo_5, prendi_u8);
  l.campo("lunghezza di nome", lunghezza, prendi_u16);
  l.testo(s.nome, lunghezza);
  l.campo("campo_7", s.campo_7, prendi_i16);
  l.campo("campo_8", s.campo_8, prendi_i16);
  l.campo("campo_9", s.campo_9, prendi_i16);
  l.campo("campo_10", s.campo_10, prendi_i16);
  l.campo("campo_11", s.campo_11, prendi_i16);
  l.campo("campo_12", s.campo_12, prendi_u8);
  l.campo("campo_13", s.campo_13, prendi_u8);
  l.campo("campo_14", s.campo_14, prendi_u8);
  l.campo("campo_15", s.campo_15, prendi_u8);
  l.campo("orario", s.orario, prendi_i32);
  return l.esito;
}
}  // namespace

std::string codifica_stazioni(const tabella_stazioni& stazioni) {
  std::size_t totale = 0;
  for (std::size_t e = 0; e < stazioni.size(); ++e) {
    controlla_nome(stazioni[e], e);
    totale += byte_fissi_per_voce + stazioni[e].nome.size();
  }
  std::string byte(totale, '\0');
  char* p = byte.data();
  for (const stazione& s : stazioni) codifica_voce(p, s);
  return byte;
}

esito_decodifica decodifica_stazioni(std::string_view byte, tabella_stazioni& stazioni) {
  auto letto = std::make_unique<tabella_stazioni>();
  cursore_byte in{byte};
  for (std::size_t e = 0; e < letto->size(); ++e) {
    esito_decodifica esito = decodifica_voce(in, e, (*letto)[e]);
    if (!esito.valido) return esito;
  }
  if (!in.alla_fine()) return rifiuto(in.pos, std::to_string(in.resto()) + " byte dopo la voce 86, l'ultima");
  stazioni = std::move(*letto);
  return decodifica_riuscita();
}
