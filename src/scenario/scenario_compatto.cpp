#include "scenario/scenario_compatto.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "base/nomi_file.h"
#include "model/form1.h"
#include "output/file_piano.h"
#include "output/file_tracciato.h"

namespace fs = std::filesystem;

namespace {
bool leggi(const fs::path& file, std::string& byte, std::string& guasto) {
  std::ifstream in(file, std::ios::binary);
  if (!in.is_open()) {
    guasto = file.string() + ": file non trovato o non leggibile";
    return false;
  }
  byte.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    guasto = file.string() + ": errore di lettura";
    return false;
  }
  return true;
}

bool rifiutato(const fs::path& file, const esito_decodifica& e, std::string& guasto) {
  if (e.valido) return false;
  guasto = file.string() + ": " + e.messaggio;
  return true;
}
}  // namespace

bool carica_scenario_compatto(const fs::path& cartella, const std::string& percorso, const std::string& treno,
                              scenario_compatto& s, std::string& guasto) {
  Form1 f;
  f.cartella = cartella;
  f.nome_percorso = percorso;
  f.numero_treno = treno;
  s.nome_percorso = percorso;
  s.numero_treno = treno;
  std::string byte;
  if (!leggi(file_scenario(f), byte, guasto)) return false;
  if (rifiutato(file_scenario(f), decodifica_stazioni(byte, s.stazioni), guasto)) return false;
  if (!leggi(file_tracciato(f), byte, guasto)) return false;
  if (rifiutato(file_tracciato(f), decodifica_tracciato(byte, s.percorso), guasto)) return false;
  std::error_code ec;
  if (fs::exists(file_piano(f), ec)) {
    if (!leggi(file_piano(f), byte, guasto)) return false;
    tabella_piano piano;
    if (rifiutato(file_piano(f), decodifica_piano(byte, piano), guasto)) return false;
    s.piano = std::move(piano);
  }
  return true;
}
