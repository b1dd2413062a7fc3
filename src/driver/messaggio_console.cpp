#if !defined(_WIN32)
#include "driver/messaggio.h"

#include <iostream>

void mostra_messaggio(const std::string& testo) { std::cerr << testo << '\n'; }
#endif
