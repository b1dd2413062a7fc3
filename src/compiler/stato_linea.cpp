#include "compiler/stato_linea.h"

#include "base/stato.h"
#include "compiler/errore_sorgente.h"
#include "model/form1.h"

void registra_errore(stato_linea& s, std::int32_t numero, std::size_t offset) {
  registra_errore_sorgente(s.f, file_sorgente::linea, numero, offset);
}

void registra_errore(stato_linea& s, std::int32_t numero, std::size_t offset, std::int32_t progressiva) {
  registra_errore(s, numero, offset);
  s.f.progressiva_errore = progressiva;
}

void fallisci(stato_linea& s, std::size_t offset) {
  s.offset_fallimento = offset;
  interrompi(stato::lettura());
}
