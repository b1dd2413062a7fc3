#include "driver/form_load.h"

#include "base/catalogo_errori.h"
#include "base/codici_uscita.h"
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
#include "output/memorizza_percorso.h"

void Form_Load(Form1& f, std::ostream& console) {
  f.nome_percorso = "Velstra_Ordoven";
  f.numero_treno = "318";
  mostra_finestra(console);
  // The run writes its two source files and deletes them once read: an
  // author's edited source under those names is kept first.
  const file_previsto previsti[] = {
      {file_linea(f), testo_righe(righe_linea())},
      {file_treno(f), testo_righe(righe_treno())},
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
