#include "base/stato.h"

std::string stato::messaggio() const {
  switch (genere_) {
    case genere_stato::ok:
      return "ok";
    case genere_stato::errore:
      return " Errore n. " + testo_;
    default:
      return file_.empty() ? testo_ : file_ + ": " + testo_;
  }
}

void interrompi(stato s) { throw interruzione(std::move(s)); }
