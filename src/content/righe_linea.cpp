// Placeholder until the line generator's table lands: the general section only.
#include "content/righe_linea.h"

#include <iterator>

const std::string_view tabella_righe_linea[] = {
    "[generale]",
    "lunghezza percorso,    300000",
    "progressiva chilometrica uno,    23450,    218300,    1",
    "progressiva chilometrica due,    218300,    315200,    1",
    "progressiva chilometrica tre,    0,    0,    0",
    "sfondo uno,    1",
    "sfondo due,    220000",
    "sfondo tre,    241000",
    "ripetizione segnali 9 codici,    11000,    300000",
    "[fine]",
    "riferimento fine del file",
};
const std::size_t numero_righe_linea = std::size(tabella_righe_linea);
