#include <iostream>
#include <sstream>
#include <string>

#include "base/cartella.h"
#include "base/cartella_eseguibile.h"
#include "base/codici_uscita.h"
#include "base/stato.h"
#include "driver/carico_programma.h"
#include "driver/finestra.h"
#include "driver/form_load.h"
#include "driver/messaggio.h"
#include "model/form1.h"

int main() {
  // A packed program carries its scenario after its own bytes; one whose
  // payload fails its check writes nothing.
  carico_scenario carico;
  bool presente = false;
  if (const stato s = carico_del_programma(percorso_eseguibile(), carico, presente); !s.ok()) {
    mostra_messaggio(messaggio_carico_guasto(s));
    return s.genere() == genere_stato::valore ? uscita_errore : uscita_file_system;
  }
  cartella_disco cartella(cartella_eseguibile());
  Form1 f;
  f.cartella = &cartella;
  int esito = uscita_ok;
  std::string messaggio;
  try {
    Form_Load(f, std::cout, presente ? &carico : nullptr);
    std::ostringstream rapporto;
    esito = esito_run(f, rapporto);
    messaggio = rapporto.str();
    if (!messaggio.empty() && messaggio.back() == '\n') messaggio.pop_back();
  } catch (const interruzione& e) {
    messaggio = e.s.messaggio();
    esito = e.s.genere() == genere_stato::errore ? uscita_errore : uscita_file_system;
  }
  // A window program has no console: the files kept aside and what ends the
  // run badly go to a box.
  std::string avviso;
  for (const std::string& a : f.file_conservati) avviso += a + "\n";
  if (esito != 0 || !avviso.empty()) {
    avviso += messaggio;
    if (avviso.back() == '\n') avviso.pop_back();
    mostra_messaggio(avviso);
  }
  chiudi_finestra();
  return esito;
}
