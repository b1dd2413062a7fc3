#if !defined(_WIN32)
#include "scenario/comandi/riga_comando.h"

std::vector<std::string> parole_riga_comando(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}
#endif
