#include "base/errore.h"

#include "base/stato.h"

void errore(const std::string& a) { interrompi(stato::errore(a)); }
std::string messaggio_errore(const std::string& a) { return stato::errore(a).messaggio(); }
