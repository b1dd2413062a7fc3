#include "base/errore.h"

void errore(const std::string& a) { throw fine_con_errore{a}; }

std::string messaggio_errore(const std::string& a) { return " Errore n. " + a; }
