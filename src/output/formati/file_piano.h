#pragma once
#include <string_view>

#include "model/planimetria.h"
#include "output/formati/codifica_byte.h"

// The plan file: every first coordinate (metre 0 upward), then every second
// one. Each value is a 16-bit tag and its payload: tag 0 empty (no payload),
// 2 a 16-bit integer, 5 a 64-bit real. The bytes come in one block of the
// file's size.
blocco_byte codifica_piano(const tabella_piano& piano);

// The same bytes, made in the plan's own slots: the plan is handed over and no
// longer exists afterwards, and no second copy of its bytes is ever made.
blocco_byte codifica_piano(tabella_piano&& piano);

// Walks the file value by value. Refuses an unknown tag, a value cut short and
// an odd number of values (the two coordinates come in equal numbers). piano
// is only changed when the file is valid.
esito_decodifica decodifica_piano(std::string_view byte, tabella_piano& piano);
