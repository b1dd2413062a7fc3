// The layout of `scenario allinea` held to the compiler: an aligned pair of
// sources compiles to the bytes of the pair before, and aligning again
// changes nothing.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "bersagli.h"
#include "model/form1.h"
#include "output/memorizza_percorso.h"
#include "scenario/sorgenti/allinea_sorgente.h"

namespace {

[[noreturn]] void violato(const char* cosa) {
  std::fprintf(stderr, "invariant violated: %s\n", cosa);
  std::abort();
}

// The non-blank bytes before an offset: the same place in a text whose
// blanks alone changed.
std::size_t non_bianchi_prima(const std::string& byte, std::size_t offset) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < offset && i < byte.size(); ++i) n += byte[i] != ' ' && byte[i] != '\t';
  return n;
}

std::string senza_bianchi(const std::string& byte) {
  std::string t;
  for (char c : byte)
    if (c != ' ' && c != '\t') t += c;
  return t;
}

// What a compile leaves: every file of its folder, the error state (its
// place counted in non-blank bytes of its file) and the text of an end
// through errore.
struct esito_compilazione {
  std::map<std::string, std::string> file;
  std::int32_t numero = 0, progressiva = 0;
  file_sorgente origine = file_sorgente::nessuno;
  std::size_t luogo = 0;
  std::optional<std::string> fine;
  bool operator==(const esito_compilazione&) const = default;
};

esito_compilazione compila(const std::string& linea, const std::optional<std::string>& treno, std::int32_t j) {
  cartella_memoria cartella;
  Form1 f;
  f.cartella = &cartella;
  f.nome_percorso = "Fz";
  f.numero_treno = "1";
  cartella.sostituisci(file_linea(f), linea);
  if (treno) cartella.sostituisci(file_treno(f), *treno);
  esito_compilazione e;
  try {
    memorizza_percorso(f, j);
  } catch (const interruzione& x) {
    if (x.s.genere() != genere_stato::errore) throw;
    e.fine = x.s.testo();
  }
  for (const std::string& nome : cartella.elenco()) cartella.leggi(nome, e.file[nome]);
  e.numero = f.numero_errore;
  e.progressiva = f.progressiva_errore;
  e.origine = f.origine.file;
  if (f.origine.file == file_sorgente::linea) e.luogo = non_bianchi_prima(linea, f.origine.offset);
  if (f.origine.file == file_sorgente::treno && treno) e.luogo = non_bianchi_prima(*treno, f.origine.offset);
  return e;
}

}  // namespace

void controlla_allineamento(const std::string& linea, const std::optional<std::string>& treno) {
  const std::string linea_allineata = allinea_sorgente(linea, false);
  std::optional<std::string> treno_allineato;
  if (treno) treno_allineato = allinea_sorgente(*treno, true);
  if (senza_bianchi(linea_allineata) != senza_bianchi(linea) ||
      (treno && senza_bianchi(*treno_allineato) != senza_bianchi(*treno)))
    violato("aligning changed more than blanks");
  if (allinea_sorgente(linea_allineata, false) != linea_allineata ||
      (treno && allinea_sorgente(*treno_allineato, true) != *treno_allineato))
    violato("aligning an aligned source changed it");
  for (std::int32_t j : {0, 1})
    if (!(compila(linea, treno, j) == compila(linea_allineata, treno_allineato, j)))
      violato("the aligned sources compile otherwise");
}

void bersaglio_allinea(const std::uint8_t* dati, std::size_t n) {
  const std::string byte(reinterpret_cast<const char*>(dati), n);
  const std::size_t taglio = byte.find('\0');
  if (taglio == std::string::npos)
    controlla_allineamento(byte, std::nullopt);
  else
    controlla_allineamento(byte.substr(0, taglio), byte.substr(taglio + 1));
}
