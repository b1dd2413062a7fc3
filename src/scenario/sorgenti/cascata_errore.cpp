#include "scenario/sorgenti/cascata_errore.h"

#include <cstdint>
#include <string>

#include "base/cartella.h"
#include "base/catalogo_errori.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "compiler/lettore_linea.h"
#include "compiler/lettore_treno.h"
#include "scenario/testo/indice_righe.h"

namespace {

// The error the train reader records at offset when it reads the train file
// of t after the line model linea with its error cleared, 0 when none.
std::int32_t errore_al_record(const Form1& linea, std::int32_t slot_cartello, const testi_sorgente& t,
                              std::size_t offset) {
  Form1 f = linea;
  f.numero_errore = 0;
  f.progressiva_errore = 0;
  f.origine = {};
  cartella_memoria copia;
  verifica(copia.sostituisci(file_treno(f), t.treno));
  f.cartella = &copia;
  try {
    leggi_file_treno(f, slot_cartello);
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::lettura) throw;
  }
  const bool qui = f.origine.file == file_sorgente::treno && f.origine.offset == offset;
  return qui ? f.numero_errore : 0;
}

}  // namespace

std::optional<causa_nella_linea> errore_lasciato_dalla_linea(const Form1& f, const testi_sorgente& t,
                                                             const linea_gia_letta* letta) {
  if (f.numero_errore == 0 || f.origine.file != file_sorgente::treno || !t.linea_esiste || !t.treno_esiste)
    return std::nullopt;
  causa_nella_linea c;
  if (letta) {
    if (letta->f.numero_errore == 0 || letta->f.origine.file != file_sorgente::linea || !letta->f.percorso_esiste())
      return std::nullopt;
    c.linea = std::make_unique<Form1>(letta->f);
    c.linea->cartella = nullptr;
    c.errore_proprio = errore_al_record(*c.linea, letta->slot_cartello, t, f.origine.offset);
    return c;
  }
  c.linea = std::make_unique<Form1>();
  Form1& linea = *c.linea;
  linea.nome_percorso = f.nome_percorso;
  linea.numero_treno = f.numero_treno;
  linea.con_planimetria = f.con_planimetria;
  cartella_memoria copia;
  verifica(copia.sostituisci(file_linea(linea), t.linea));
  linea.cartella = &copia;
  std::int32_t slot_cartello = 0;
  try {
    leggi_file_linea(linea, slot_cartello);
  } catch (const interruzione& e) {
    // A read error there would have kept the train file unread.
    if (e.s.genere() != genere_stato::lettura) throw;
    return std::nullopt;
  }
  linea.cartella = nullptr;
  if (linea.numero_errore == 0 || linea.origine.file != file_sorgente::linea || !linea.percorso_esiste())
    return std::nullopt;
  c.errore_proprio = errore_al_record(linea, slot_cartello, t, f.origine.offset);
  return c;
}

diagnostica::correlata lettura_fermata(const Form1& f, const testi_sorgente& t, const causa_nella_linea& c) {
  diagnostica::correlata nota;
  nota.origine = file_sorgente::treno;
  nota.file = file_treno(f);
  const posizione_riga p = posizione_1(indice_righe(t.treno), f.origine.offset);
  nota.riga = p.riga;
  nota.colonna = p.colonna;
  const std::string questo =
      "a questo record" +
      (errore_con_progressiva(f.numero_errore) ? " (progressiva " + std::to_string(f.progressiva_errore) + ")" : "");
  if (c.errore_proprio != 0)
    nota.messaggio = "qui si \xC3\xA8 fermata la lettura del file del treno: il compilatore registra l'errore " +
                     questo + ", che ha anche un errore suo (n. " + std::to_string(c.errore_proprio) + ")";
  else
    nota.messaggio = "qui si \xC3\xA8 fermata la lettura del file del treno, perch\xC3\xA9 l'errore n. " +
                     std::to_string(c.linea->numero_errore) +
                     " del file della linea era ancora registrato: il compilatore lo registra " + questo +
                     ", che ha solo fermato la lettura";
  return nota;
}
