// The layout of `scenario allinea` held to the compiler: an aligned pair of
// sources compiles to the bytes of the pair before, and aligning again
// changes nothing.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "bersagli.h"
#include "model/form1.h"
#include "output/memorizza_percorso.h"
#include "scenario/sorgenti/allinea_sorgente.h"

namespace {

[[noreturn]] void violato_bersaglio_allinea(const char* cosa) {
  std::fprintf(stderr, "invariant violated: %s\n", cosa);
  std::abort();
}

// The text as the items see it: blanks left out, a line end one comma. Two
// texts whose layout alone differs are the same here.
std::string in_fila(std::string_view byte) {
  std::string t;
  for (std::size_t i = 0; i < byte.size(); ++i) {
    const char c = byte[i];
    if (c == ' ' || c == '\t' || (c == '\n' && i > 0 && byte[i - 1] == '\r')) continue;
    t += c == '\r' || c == '\n' ? ',' : c;
  }
  return t;
}

// The same place in a text whose layout alone changed: what stands before
// it, as the items see it.
std::size_t luogo(const std::string& byte, std::size_t offset) {
  return in_fila(std::string_view(byte).substr(0, std::min(offset, byte.size()))).size();
}

// What a compile leaves: every file of its folder, the error state (its
// place as luogo counts it) and the text of an end through errore.
struct esito_compilazione_bersaglio_allinea {
  std::map<std::string, std::string> file;
  std::int32_t numero = 0, progressiva = 0;
  file_sorgente origine = file_sorgente::nessuno;
  std::size_t luogo = 0;
  std::optional<std::string> fine;
  std::int32_t lunghezza_estesa = 0;
  bool operator==(const esito_compilazione_bersaglio_allinea&) const = default;
};

esito_compilazione_bersaglio_allinea compila_bersaglio_allinea(const std::string& linea,
                                                               const std::optional<std::string>& treno,
                                                               std::int32_t j) {
  cartella_memoria cartella;
  Form1 f;
  f.cartella = &cartella;
  f.nome_percorso = "Fz";
  f.numero_treno = "1";
  cartella.sostituisci(file_linea(f), linea);
  if (treno) cartella.sostituisci(file_treno(f), *treno);
  esito_compilazione_bersaglio_allinea e;
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
  e.lunghezza_estesa = f.lunghezza_estesa;
  if (f.origine.file == file_sorgente::linea) e.luogo = luogo(linea, f.origine.offset);
  if (f.origine.file == file_sorgente::treno && treno) e.luogo = luogo(*treno, f.origine.offset);
  return e;
}

}  // namespace

void controlla_allineamento(const std::string& linea, const std::optional<std::string>& treno,
                            std::int32_t piano_fino_a) {
  const std::string linea_allineata = allinea_sorgente(linea, false);
  std::optional<std::string> treno_allineato;
  if (treno) treno_allineato = allinea_sorgente(*treno, true);
  if (in_fila(linea_allineata) != in_fila(linea) || (treno && in_fila(*treno_allineato) != in_fila(*treno)))
    violato_bersaglio_allinea("aligning changed more than the layout");
  if (allinea_sorgente(linea_allineata, false) != linea_allineata ||
      (treno && allinea_sorgente(*treno_allineato, true) != *treno_allineato))
    violato_bersaglio_allinea("aligning an aligned source changed it");
  const esito_compilazione_bersaglio_allinea prima = compila_bersaglio_allinea(linea, treno, 0);
  if (!(prima == compila_bersaglio_allinea(linea_allineata, treno_allineato, 0)))
    violato_bersaglio_allinea("the aligned sources compile otherwise");
  if (prima.lunghezza_estesa > piano_fino_a) return;
  if (!(compila_bersaglio_allinea(linea, treno, 1) == compila_bersaglio_allinea(linea_allineata, treno_allineato, 1)))
    violato_bersaglio_allinea("the aligned sources compile otherwise with the plan");
}

void bersaglio_allinea(const std::uint8_t* dati, std::size_t n) {
  const std::string byte(reinterpret_cast<const char*>(dati), n);
  const std::size_t taglio = byte.find('\0');
  if (taglio == std::string::npos)
    controlla_allineamento(byte, std::nullopt, lunghezza_estesa_con_piano);
  else
    controlla_allineamento(byte.substr(0, taglio), byte.substr(taglio + 1), lunghezza_estesa_con_piano);
}
