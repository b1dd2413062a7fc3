#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/stato.h"
#include "model/form1.h"

// Records an error of a reader: its number, and which source file and item it
// was found at (the authoring tool points there).
inline void registra_errore_sorgente(Form1& f, file_sorgente file, std::int32_t numero, std::size_t offset) {
  f.numero_errore = numero;
  f.origine = {file, offset};
}

// A reader deletes its source file once read, on every way out.
inline void elimina_sorgente(Form1& f, const std::string& nome) { verifica(f.cartella->elimina(nome)); }
