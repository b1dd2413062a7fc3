#include "output/formati/carico.h"

#include <cstdio>

#include "base/crc32c.h"
#include "base/nomi_scenario.h"
#include "output/formati/codifica_byte.h"

namespace {

struct campo_carico {
  const char* nome;
  std::string carico_scenario::*valore;
};

// The fields in the order they are written.
constexpr campo_carico campi[] = {
    {"percorso", &carico_scenario::percorso},   {"treno", &carico_scenario::treno},
    {"linea", &carico_scenario::linea},         {"sorgente del treno", &carico_scenario::sorgente_treno},
    {"scheda treno", &carico_scenario::scheda}, {"ordine dei rallentamenti", &carico_scenario::rallentamenti},
    {"note", &carico_scenario::note},
};

std::string esadecimale(std::uint32_t v) {
  char b[16];
  std::snprintf(b, sizeof b, "0x%08X", static_cast<unsigned>(v));
  return b;
}

stato guasto(const std::string& perche) { return stato::valore("carico dello scenario danneggiato: " + perche); }

}  // namespace

std::string codifica_carico(const carico_scenario& c) {
  std::size_t totale = 0;
  for (const campo_carico& k : campi) totale += 4 + (c.*k.valore).size();
  std::string byte(totale + lunghezza_coda, '\0');
  char* p = byte.data();
  for (const campo_carico& k : campi) {
    metti_u32(p, static_cast<std::uint32_t>((c.*k.valore).size()));
    metti_byte(p, c.*k.valore);
  }
  metti_byte(p, magia_carico);
  metti_u64(p, totale);
  metti_u32(p, crc32c(std::string_view(byte.data(), totale)));
  return byte;
}

stato leggi_carico(std::string_view programma, carico_scenario& c, bool& presente) {
  presente = false;
  c = {};
  if (programma.size() < lunghezza_coda || programma.substr(programma.size() - lunghezza_coda, 8) != magia_carico)
    return {};
  presente = true;
  cursore_byte coda{programma.substr(programma.size() - lunghezza_coda + 8)};
  std::uint64_t lunghezza = 0;
  std::uint32_t crc = 0;
  prendi_u64(coda, lunghezza);
  prendi_u32(coda, crc);
  const std::size_t disponibili = programma.size() - lunghezza_coda;
  if (lunghezza > disponibili)
    return guasto("dichiara " + std::to_string(lunghezza) + " byte, prima della coda ce ne sono " +
                  std::to_string(disponibili));
  const std::string_view dati = programma.substr(disponibili - lunghezza, lunghezza);
  if (const std::uint32_t calcolato = crc32c(dati); calcolato != crc)
    return guasto("CRC-32C " + esadecimale(calcolato) + ", la coda dice " + esadecimale(crc));
  cursore_byte in{dati};
  for (const campo_carico& k : campi) {
    const std::size_t inizio = in.pos;
    std::uint32_t n = 0;
    if (!prendi_u32(in, n) || n > in.resto())
      return guasto(std::string("il campo ") + k.nome + " a offset " + std::to_string(inizio) + " va oltre la fine");
    (c.*k.valore).assign(dati.substr(in.pos, n));
    in.pos += n;
  }
  if (!in.alla_fine()) return guasto(std::to_string(in.resto()) + " byte dopo l'ultimo campo");
  // The names become file names: the rule the tool's pack applied.
  if (!controlla_nome(c.percorso).ok() || !controlla_nome(c.treno).ok())
    return guasto("il percorso o il treno non \xC3\xA8 un nome di file");
  return {};
}
