// Placeholder until the document's text lands.
#include "documents/dati_rallentamenti.h"

#include "content/scrivi_righe.h"
#include "driver/nomi_file.h"

namespace {
const std::string_view righe[] = {"riferimento fine del file"};
}

std::span<const std::string_view> righe_rallentamenti() { return righe; }

void dati_rallentamenti(const Form1& f) { scrivi_righe(file_rallentamenti(f), righe_rallentamenti()); }
