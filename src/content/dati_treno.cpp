#include "content/dati_treno.h"

#include "base/nomi_file.h"
#include "content/righe_treno.h"
#include "content/scrivi_righe.h"
#include "model/form1.h"

std::span<const std::string_view> righe_treno() { return {tabella_righe_treno, numero_righe_treno}; }

void dati_treno(const Form1& f) { scrivi_righe(*f.cartella, file_treno(f), righe_treno()); }
