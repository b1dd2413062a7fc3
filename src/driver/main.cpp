#include <iostream>
#include <sstream>
#include <string>

#include "base/cartella_eseguibile.h"
#include "base/errore.h"
#include "base/file_system.h"
#include "driver/finestra.h"
#include "driver/form_load.h"
#include "driver/messaggio.h"
#include "model/form1.h"

int main() {
  Form1 f;
  f.cartella = cartella_eseguibile();
  int esito = 0;
  std::string messaggio;
  try {
    Form_Load(f, std::cout);
    std::ostringstream rapporto;
    esito = esito_run(f, rapporto);
    messaggio = rapporto.str();
    if (!messaggio.empty() && messaggio.back() == '\n') messaggio.pop_back();
  } catch (const fine_con_errore& e) {
    messaggio = messaggio_errore(e.a);
    esito = 2;
  } catch (const errore_file_system& e) {
    messaggio = e.what();
    esito = 3;
  }
  // A window program has no console: what ends the run badly goes to a box.
  if (esito != 0) mostra_messaggio(messaggio);
  chiudi_finestra();
  return esito;
}
