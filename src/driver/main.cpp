#include <iostream>

#include "base/cartella_eseguibile.h"
#include "base/errore.h"
#include "base/file_system.h"
#include "driver/form_load.h"
#include "model/form1.h"

int main() {
  Form1 f;
  f.cartella = cartella_eseguibile();
  try {
    Form_Load(f, std::cout);
  } catch (const fine_con_errore& e) {
    std::cerr << messaggio_errore(e.a) << '\n';
    return 2;
  } catch (const errore_file_system& e) {
    std::cerr << e.what() << '\n';
    return 3;
  }
  return esito_run(f, std::cerr);
}
