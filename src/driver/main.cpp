#include <iostream>

#include "base/cartella.h"
#include "base/cartella_eseguibile.h"
#include "base/codici_uscita.h"
#include "base/stato.h"
#include "driver/form_load.h"
#include "model/form1.h"

int main() {
  cartella_disco cartella(cartella_eseguibile());
  Form1 f;
  f.cartella = &cartella;
  try {
    Form_Load(f, std::cout);
  } catch (const interruzione& e) {
    std::cerr << e.s.messaggio() << '\n';
    return e.s.genere() == genere_stato::errore ? uscita_errore : uscita_file_system;
  }
  return esito_run(f, std::cerr);
}
