#if !defined(_WIN32)
#include <iostream>

#include "driver/messaggio.h"

void mostra_messaggio(const std::string& testo) { std::cerr << testo << '\n'; }
#endif
