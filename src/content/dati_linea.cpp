#include "content/dati_linea.h"

#include "base/nomi_file.h"
#include "content/righe_linea.h"
#include "content/scrivi_righe.h"
#include "model/form1.h"

std::span<const std::string_view> righe_linea() { return {tabella_righe_linea, numero_righe_linea}; }

void dati_linea(const Form1& f) { scrivi_righe(*f.cartella, file_linea(f), righe_linea()); }
