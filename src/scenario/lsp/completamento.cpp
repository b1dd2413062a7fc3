#include "scenario/lsp/completamento.h"

std::string frammento_record(const forma_record& f) {
  // The keyword as the example line writes it: "curvas1", "ripetizione
  // segnali 9 codici" are what the reader wants, not the record's name.
  std::string t(f.esempio.substr(0, f.esempio.find(',')));
  int n = 1;
  for (const campo_record& c : f.campi) t += ",  ${" + std::to_string(n++) + ":" + std::string(c.nome) + "}";
  return t;
}

completamento completa(const std::string& byte, const struttura_sorgente& s, bool treno, std::size_t offset) {
  completamento c;
  if (offset > byte.size()) offset = byte.size();
  std::size_t inizio_riga = offset;
  while (inizio_riga > 0 && byte[inizio_riga - 1] != '\r' && byte[inizio_riga - 1] != '\n') --inizio_riga;
  for (std::size_t i = inizio_riga; i < offset; ++i)
    if (byte[i] == ',') return c;
  c.inizio = inizio_riga;
  while (c.inizio < offset && (byte[c.inizio] == ' ' || byte[c.inizio] == '\t')) ++c.inizio;
  // Before the general header: nothing is read but the header.
  std::size_t generale = std::string::npos;
  for (const intestazione_struttura& h : s.intestazioni)
    if (h.testo.find("[generale]") != std::string::npos || h.testo.find("[GENERALE]") != std::string::npos) {
      generale = h.inizio;
      break;
    }
  if (!s.generale || generale == std::string::npos || offset <= generale) {
    c.proposte.push_back({std::string(intestazione_generale), std::string(intestazione_generale), nullptr});
    return c;
  }
  std::span<const forma_record> forme = forme_treno();
  if (!treno)
    forme = (s.fine_generale == std::string::npos || offset <= s.fine_generale) ? forme_generale() : forme_linea();
  for (const forma_record& f : forme) c.proposte.push_back({std::string(f.nome), frammento_record(f), &f});
  return c;
}
