#pragma once
#include <cstddef>
#include <string>

#include "scenario/sorgenti/diagnostica.h"
#include "scenario/testo/indice_righe.h"

// Puts d at offset of the source file nome whose bytes are dati, of lines
// righe: its line and column (from 1) and the source line under the caret,
// cut to about 100 bytes on each side of it, each byte shown as a character
// (Windows-1252 in UTF-8, tabs kept, other bytes that print nothing as \xNN),
// with the blanks and tabs that stand under it before the caret.
void colloca(diagnostica& d, const std::string& nome, const std::string& dati, const indice_righe& righe,
             std::size_t offset);
