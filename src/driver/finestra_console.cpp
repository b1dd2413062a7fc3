#if !defined(_WIN32)
#include "driver/finestra.h"

void mostra_finestra(std::ostream& console) { console << "Attendere" << std::endl; }

void chiudi_finestra() {}
#endif
