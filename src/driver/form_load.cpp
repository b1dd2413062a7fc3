#include "driver/form_load.h"

#include "base/catalogo_errori.h"
#include "base/codici_uscita.h"
#include "base/file_disco.h"
#include "base/nomi_file.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"
#include "documents/dati_note.h"
#include "documents/dati_rallentamenti.h"
#include "documents/dati_scheda.h"
#include "driver/copie_conservate.h"
#include "driver/finestra.h"
#include "model/form1.h"
#include "output/formati/carico.h"
#include "output/memorizza_percorso.h"

namespace {

// The replace of a file goes through NAME.tmp~: a run killed part way may
// leave one, which would stay beside the scenario for good. Only one that is
// there is deleted: on a read-only disk even the delete of a missing file
// fails, and the run must fail where it writes, naming that file.
void elimina_temporanei(cartella_file& c, const Form1& f) {
  for (const std::string& nome : {file_linea(f), file_treno(f), file_note(f), file_rallentamenti(f), file_scheda(f),
                                  file_piano(f), file_scenario(f), file_tracciato(f)})
    if (c.esiste(nome + coda_temporanea)) verifica(c.elimina(nome + coda_temporanea));
}

void scrivi(cartella_file& c, const std::string& nome, const std::string& byte) { verifica(c.sostituisci(nome, byte)); }

}  // namespace

void Form_Load(Form1& f, std::ostream& console, const carico_scenario* carico) {
  f.nome_percorso = carico ? carico->percorso : "Velstra_Ordoven";
  f.numero_treno = carico ? carico->treno : "318";
  mostra_finestra(console);
  elimina_temporanei(*f.cartella, f);
  if (carico) {
    const file_previsto previsti[] = {
        {file_linea(f), carico->linea},   {file_treno(f), carico->sorgente_treno},
        {file_note(f), carico->note},     {file_rallentamenti(f), carico->rallentamenti},
        {file_scheda(f), carico->scheda},
    };
    f.file_conservati = conserva_file_altrui(*f.cartella, previsti);
    scrivi(*f.cartella, file_linea(f), carico->linea);
    scrivi(*f.cartella, file_treno(f), carico->sorgente_treno);
    scrivi(*f.cartella, file_note(f), carico->note);
    scrivi(*f.cartella, file_rallentamenti(f), carico->rallentamenti);
    scrivi(*f.cartella, file_scheda(f), carico->scheda);
    memorizza_percorso(f, 1);
    return;
  }
  // The run writes its two source files and deletes them once read, and
  // replaces the three documents: an author's edited source or hand-edited
  // document under those names is kept first.
  const file_previsto previsti[] = {
      {file_linea(f), testo_righe(righe_linea())},   {file_treno(f), testo_righe(righe_treno())},
      {file_note(f), testo_righe(righe_note())},     {file_rallentamenti(f), testo_righe(righe_rallentamenti())},
      {file_scheda(f), testo_righe(righe_scheda())},
  };
  f.file_conservati = conserva_file_altrui(*f.cartella, previsti);
  dati_linea(f);
  dati_treno(f);
  dati_note(f);
  dati_rallentamenti(f);
  dati_scheda(f);
  memorizza_percorso(f, 1);
}

int esito_run(const Form1& f, std::ostream& err) {
  if (f.numero_errore == 0) return uscita_ok;
  err << rapporto_errore(f.numero_errore, f.progressiva_errore) << '\n';
  return uscita_errore_registrato;
}
