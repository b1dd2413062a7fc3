#pragma once
#include <string>

#include "scenario/testo/nodo_rapporto.h"

// The one self-contained HTML file of `scenario view`: the page template with
// its style and script put inline and the data (dati_view) as JSON inside it.
// titolo is UTF-8.
std::string pagina_view(const std::string& titolo, const nodo& dati);
