#include "compiler/lettore_treno.h"

#include <string>

#include "base/catalogo_errori.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "compiler/confronto_voci.h"
#include "compiler/errore_sorgente.h"
#include "compiler/grammatica.h"
#include "compiler/profili_treno.h"
#include "compiler/record_stazione.h"
#include "compiler/record_treno.h"
#include "compiler/stato_treno.h"
#include "model/form1.h"
#include "model/misure.h"

namespace {

// Every record of the grammar whose keyword the field contains runs, in the
// grammar's order, until one ends the reading.
esito_lettura esegui_record(stato_treno& s, const std::string& voce) {
  for (const forma_record& r : forme_treno()) {
    if (!corrisponde(r, voce)) continue;
    esito_lettura esito = esito_lettura::continua;
    switch (r.genere) {
      case genere_record::massa_frenata:
        record_massa_frenata(s);
        break;
      case genere_record::vetture:
        record_vetture(s);
        break;
      case genere_record::velocita:
        esito = record_velocita(s);
        break;
      case genere_record::aderenza:
        esito = record_aderenza(s);
        break;
      case genere_record::orologio:
        record_orologio(s);
        break;
      case genere_record::sabbia:
        record_sabbia(s);
        break;
      case genere_record::segnale:
        esito = record_segnale(s);
        break;
      case genere_record::rallentamento:
        esito = record_rallentamento(s);
        break;
      case genere_record::abbattimento:
        esito = record_abbattimento(s);
        break;
      case genere_record::stazione:
        esito = record_stazione(s);
        break;
      default:
        break;
    }
    if (esito != esito_lettura::continua) return esito;
  }
  return esito_lettura::continua;
}

// Everything up to and including the first field holding [generale] is
// passed over; the end of the file is tested before each read.
void trova_generale(stato_treno& s) {
  while (!fine_file(s.in)) {
    if (contiene_senza_maiuscole(leggi_voce(s), intestazione_generale)) return;
  }
}

// Reads records to the end of the file. The last field of the file is not
// examined; one or two hyphenated fields in a row are passed over.
esito_lettura leggi_record(stato_treno& s) {
  Form1& f = s.f;
  for (;;) {
    if (fine_file(s.in)) return esito_lettura::continua;
    f.voce_letta = leggi_voce(s);
    if (fine_file(s.in)) return esito_lettura::continua;
    for (int i = 0; i < 2 && separatore(f.voce_letta); ++i) {
      f.voce_letta = leggi_voce(s);
      if (fine_file(s.in)) return esito_lettura::continua;
    }
    s.offset_record = s.in.inizio_voce;
    const std::string voce = f.voce_letta;
    esito_lettura esito = esegui_record(s, voce);
    if (esito != esito_lettura::continua) return esito;
  }
}

// Chainage series of the line file whose start or reference is off the 50 m grid.
bool progressive_fuori_passo(const Form1& f) {
  for (int i = voce_progressiva_tre; i <= voce_progressiva_uno; ++i) {
    const stazione& st = f.stazioni[static_cast<std::size_t>(i)];
    if (st.inizio % metri_cella != 0 || st.fine % metri_cella != 0) return true;
  }
  return false;
}

void leggi_dopo_apertura(stato_treno& s) {
  Form1& f = s.f;
  const auto file = file_treno(f);
  // The line reader sizes the model before the train file is read.
  if (!f.percorso_esiste()) fallisci(s, 0);
  trova_generale(s);
  s.stazione = 1;
  s.posizione_velocita = 0;
  s.posizione_aderenza = 0;
  if (leggi_record(s) == esito_lettura::interrotta) {
    elimina_sorgente(f, file);
    return;
  }
  // End of the file, also after error 15.
  elimina_sorgente(f, file);
  completa_velocita(s);
  completa_aderenza(s);
  if (progressive_fuori_passo(f)) {
    // The values at fault are those of the line file.
    f.numero_errore = err_chilometrica_non_multipla;
    f.origine = {file_sorgente::linea, 0};
  }
}

}  // namespace

void leggi_file_treno(Form1& f, std::int32_t slot_cartello) {
  stato_treno s{f, {}};
  // Entries from 81 on hold the general values: stations never reach them.
  s.slot_cartello = slot_cartello < voce_progressiva_tre ? slot_cartello : voce_progressiva_tre;
  if (!apri_lettore(*f.cartella, file_treno(f), s.in)) {
    f.origine = {file_sorgente::treno, 0};
    interrompi(stato::lettura());
  }
  try {
    leggi_dopo_apertura(s);
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::lettura) throw;
    // Point the authoring tool at the field that failed: the reader's own
    // offset (the end of the file included), else the item being read.
    const std::size_t offset = s.offset_fallimento != std::string::npos ? s.offset_fallimento : s.in.inizio_voce;
    f.origine = {file_sorgente::treno, offset};
    throw;
  }
}
