#include "scenario/lsp/completamento.h"

namespace {
// The keyword as the example line writes it: "curvas1", "ripetizione
// segnali 9 codici" are what the reader wants, not the record's name.
std::string parola_chiave_completamento(const forma_record& f) {
  return std::string(f.esempio.substr(0, f.esempio.find(',')));
}
}  // namespace

std::string etichetta_record(const forma_record& f) {
  std::string t = parola_chiave_completamento(f);
  for (const campo_record& c : f.campi) t += ", " + std::string(c.nome);
  return t;
}

std::string frammento_record(const forma_record& f) {
  std::string t = parola_chiave_completamento(f);
  int n = 1;
  for (const campo_record& c : f.campi) t += ",  ${" + std::to_string(n++) + ":" + std::string(c.nome) + "}";
  return t;
}

completamento completa(const std::string& byte, const struttura_sorgente& s, bool treno, std::size_t offset) {
  completamento c;
  if (offset > byte.size()) offset = byte.size();
  const std::size_t inizio_riga = s.righe.inizio(s.righe.riga(offset));
  for (std::size_t i = inizio_riga; i < offset; ++i)
    if (byte[i] == ',') return c;
  c.inizio = inizio_riga;
  while (c.inizio < offset && (byte[c.inizio] == ' ' || byte[c.inizio] == '\t')) ++c.inizio;
  // Before the general header: nothing is read but the header.
  if (s.inizio_generale == std::string::npos || offset <= s.inizio_generale) {
    const std::string h(intestazione_generale);
    c.proposte.push_back({h, h, h, h, nullptr});
    return c;
  }
  std::span<const forma_record> forme = forme_treno();
  if (!treno)
    forme = (s.fine_generale == std::string::npos || offset <= s.fine_generale) ? forme_generale() : forme_linea();
  for (const forma_record& f : forme)
    c.proposte.push_back(
        {std::string(f.nome), frammento_record(f), parola_chiave_completamento(f) + ", ", etichetta_record(f), &f});
  return c;
}
