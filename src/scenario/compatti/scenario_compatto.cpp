#include "scenario/compatti/scenario_compatto.h"

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "model/form1.h"
#include "output/formati/file_piano.h"
#include "output/formati/file_tracciato.h"

namespace fs = std::filesystem;

namespace {
bool leggi(const cartella_disco& cartella, const std::string& nome, std::string& byte, std::string& guasto) {
  const stato letto = cartella.leggi(nome, byte);
  if (!letto.ok())
    guasto = letto.genere() == genere_stato::non_trovato ? cartella.nome_completo(nome) + ": file non trovato"
                                                         : letto.messaggio();
  return letto.ok();
}

bool rifiutato(const cartella_disco& cartella, const std::string& nome, const esito_decodifica& e,
               std::string& guasto) {
  if (e.valido) return false;
  guasto = cartella.nome_completo(nome) + ": " + e.messaggio;
  return true;
}
}  // namespace

bool carica_scenario_compatto(const fs::path& cartella, const std::string& percorso, const std::string& treno,
                              scenario_compatto& s, std::string& guasto) {
  const cartella_disco disco(cartella);
  Form1 f;
  f.nome_percorso = percorso;
  f.numero_treno = treno;
  s.nome_percorso = percorso;
  s.numero_treno = treno;
  std::string byte;
  if (!leggi(disco, file_scenario(f), byte, guasto)) return false;
  if (rifiutato(disco, file_scenario(f), decodifica_stazioni(byte, s.stazioni), guasto)) return false;
  if (!leggi(disco, file_tracciato(f), byte, guasto)) return false;
  if (rifiutato(disco, file_tracciato(f), decodifica_tracciato(byte, s.percorso), guasto)) return false;
  // The plan file is optional: a scenario compiled without it has none.
  const stato piano_letto = disco.leggi(file_piano(f), byte);
  if (piano_letto.genere() == genere_stato::non_trovato) return true;
  if (!leggi(disco, file_piano(f), byte, guasto)) return false;
  {
    tabella_piano piano;
    if (rifiutato(disco, file_piano(f), decodifica_piano(byte, piano), guasto)) return false;
    s.piano = std::move(piano);
  }
  return true;
}
