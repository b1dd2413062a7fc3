// Placeholder: deletes the train file.
#include "compiler/lettore_treno.h"

#include "driver/file_system.h"
#include "driver/nomi_file.h"
#include "model/form1.h"

void leggi_file_treno(Form1& f, std::int32_t) { elimina_file(file_treno(f)); }
