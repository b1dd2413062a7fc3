// Placeholder until the train generator's table lands: the general section only.
#include "content/righe_treno.h"

#include <iterator>

const std::string_view tabella_righe_treno[] = {
    "[generale]",
    "numero vetture,    14",
    "percentuale massa frenata,    130",
    "sabbia,    300",
    "orologio,    13              14            15 ",
    "[fine]",
    "riferimento fine del file",
};
const std::size_t numero_righe_treno = std::size(tabella_righe_treno);
