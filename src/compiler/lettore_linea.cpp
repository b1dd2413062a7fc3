#include "compiler/lettore_linea.h"

#include <limits>
#include <string>

#include "base/catalogo_errori.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "compiler/confronto_voci.h"
#include "compiler/errore_sorgente.h"
#include "compiler/grammatica.h"
#include "compiler/piano_linea.h"
#include "compiler/progressive_ordina.h"
#include "compiler/record_linea.h"
#include "compiler/riempi_profilo.h"
#include "compiler/sezione_generale.h"
#include "compiler/stato_linea.h"
#include "model/form1.h"
#include "model/misure.h"

namespace {

// Every record of the grammar whose keyword the item contains runs, in the
// grammar's order, until one ends the reading.
esito_lettura esegui_record(stato_linea& s, const std::string& voce) {
  const bool con_piano = s.f.con_planimetria != 0;
  for (const forma_record& r : forme_linea()) {
    if (!corrisponde(r, voce) || (r.solo_con_piano && !con_piano)) continue;
    esito_lettura esito = esito_lettura::continua;
    switch (r.genere) {
      case genere_record::pendenza:
        esito = record_pendenza(s);
        break;
      case genere_record::curva:
        esito = record_curva(s, voce);
        break;
      case genere_record::montagna:
        esito = record_montagna(s);
        break;
      case genere_record::indicatori_vmax:
        esito = record_indicatori_v_max(s);
        break;
      case genere_record::cartello_indicatore:
        esito = record_cartello(s);
        break;
      default:
        break;
    }
    if (esito != esito_lettura::continua) return esito;
  }
  return esito_lettura::continua;
}

// Reads records to the end of the file; the last item of the file (normally
// [fine]) is not examined, and items that are no keyword are passed over.
esito_lettura leggi_record(stato_linea& s) {
  Form1& f = s.f;
  for (;;) {
    if (fine_file(s.in)) return esito_lettura::continua;
    f.voce_letta = leggi_voce(s.in);
    if (fine_file(s.in)) return esito_lettura::continua;
    for (int i = 0; i < 2 && separatore(f.voce_letta); ++i) {
      f.voce_letta = leggi_voce(s.in);
      if (fine_file(s.in)) return esito_lettura::continua;
    }
    s.offset_record = s.in.inizio_voce;
    std::string voce = f.voce_letta;
    esito_lettura esito = esegui_record(s, voce);
    if (esito != esito_lettura::continua) return esito;
  }
}

// The last gradient read covers the cells up to numero_celle - 3; the fill
// writes at least one cell and never past the last one.
void completa_pendenze(stato_linea& s) {
  Form1& f = s.f;
  auto valore = static_cast<std::uint8_t>(std::int64_t{s.pendenza_precedente} + scarto_pendenza);
  riempi_profilo(f, s.cursore_pendenza, f.numero_celle - 2, f.numero_celle,
                 [valore](cella& c) { c.pendenza = valore; });
}

// Sorts the chainage series; a flagged reference that overflows is reported
// at the first such reference in the file.
void ordina_progressive(stato_linea& s) {
  for (int i = 0; i < 3; ++i) {
    const stazione& voce = s.f.stazioni[static_cast<std::size_t>(voce_progressiva_tre + i)];
    if (voce.progressiva == 1 && voce.fine > std::numeric_limits<std::int32_t>::max() - aggiunta_serie_con_flag &&
        s.offset_riferimento[i] < s.offset_fallimento)
      s.offset_fallimento = s.offset_riferimento[i];
  }
  progressive_ordina(s.f);
  s.offset_fallimento = std::string::npos;
}

esito_lettura leggi_dopo_apertura(stato_linea& s) {
  Form1& f = s.f;
  const auto file = file_linea(f);
  if (!trova_sezione_generale(s) || !leggi_sezione_generale(s)) {
    elimina_sorgente(f, file);
    return esito_lettura::interrotta;
  }
  ordina_progressive(s);
  f.numero_montagne = 0;
  s.slot_cartello = primo_slot_cartello;
  if (f.planimetria.esiste()) semina_piano(f, s.cursore_piano);
  s.cursore_pendenza = 0;
  s.pendenza_precedente = 0;
  s.cursore_piano = 2;

  esito_lettura esito = leggi_record(s);
  if (esito == esito_lettura::interrotta) {
    elimina_sorgente(f, file);
    return esito_lettura::interrotta;
  }

  elimina_sorgente(f, file);
  if (!f.percorso_esiste()) fallisci(s, s.in.dati.size());  // no length record in the whole file
  completa_pendenze(s);
  if (f.planimetria.esiste()) estendi_piano(f, s.cursore_piano);
  return esito == esito_lettura::errore_15 ? esito_lettura::errore_15 : esito_lettura::continua;
}

}  // namespace

esito_lettura leggi_file_linea(Form1& f, std::int32_t& slot_cartello) {
  stato_linea s{f, {}};
  if (!apri_lettore(*f.cartella, file_linea(f), s.in)) {
    f.numero_errore = err_linea_inesistente;
    f.origine = {file_sorgente::linea, 0};
    return esito_lettura::interrotta;
  }
  try {
    esito_lettura esito = leggi_dopo_apertura(s);
    slot_cartello = s.slot_cartello;
    return esito;
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::lettura) throw;
    // Point the authoring tool at the item that failed: the reader's own
    // offset, else the item being read, else the end of the file.
    std::size_t offset = s.offset_fallimento;
    if (offset == std::string::npos) offset = fine_file(s.in) ? s.in.dati.size() : s.in.inizio_voce;
    f.origine = {file_sorgente::linea, offset};
    elimina_sorgente(f, file_linea(f));  // memorizza_dati deletes the train file too
    throw;
  }
}
