#include "compiler/memorizza_dati.h"

#include "base/catalogo_errori.h"
#include "base/nomi_file.h"
#include "compiler/errore_sorgente.h"
#include "compiler/lettore_linea.h"
#include "compiler/lettore_treno.h"
#include "model/form1.h"
#include "model/misure.h"

namespace {
// Error 25: every source file still there is deleted.
void fallimento_lettura(Form1& f) {
  f.numero_errore = err_lettura;
  elimina_sorgente(f, file_linea(f));
  elimina_sorgente(f, file_treno(f));
}
}  // namespace

void memorizza_dati(Form1& f) {
  std::int32_t slot_cartello = primo_slot_cartello;
  if (memorizza_linea(f, slot_cartello)) memorizza_treno(f, slot_cartello);
}

bool memorizza_linea(Form1& f, std::int32_t& slot_cartello) {
  f.stazioni[voce_sfondo].nome = f.nome_percorso;
  f.stazioni[voce_ripetizione].nome = f.numero_treno;
  try {
    slot_cartello = primo_slot_cartello;
    esito_lettura esito = leggi_file_linea(f, slot_cartello);
    if (esito == esito_lettura::interrotta) {
      // The train file is not read after such an error, but no source file
      // outlives the run.
      elimina_sorgente(f, file_treno(f));
      return false;
    }
    // Records need the cell array: a line file that never sized it is unusable.
    if (!f.percorso_esiste()) {
      fallimento_lettura(f);
      return false;
    }
    return true;
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::lettura) throw;
    fallimento_lettura(f);
    return false;
  }
}

void memorizza_treno(Form1& f, std::int32_t slot_cartello) {
  try {
    leggi_file_treno(f, slot_cartello);
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::lettura) throw;
    fallimento_lettura(f);
  }
}
