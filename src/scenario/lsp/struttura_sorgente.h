#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "compiler/grammatica.h"

// The records of a source file as the editor needs them: where each keyword
// and each of its items stands in the bytes, and each number as the
// compiler reads it. The walk follows the readers' loops with the compiler's
// own item reader and record grammar (the general section of the line file,
// then its records; the train file's records after [generale]).

struct voce_record {
  std::size_t inizio = 0, fine = 0;  // the item's bytes, blanks around it left out
  std::int32_t numero = 0;           // as read (a text item: 0)
  std::string testo;                 // a text item (Windows-1252)
};

struct record_struttura {
  const forma_record* forma = nullptr;
  std::size_t inizio = 0, fine = 0;  // the keyword item
  std::vector<voce_record> campi;    // fewer than the fields when the file ends inside it
};

struct intestazione_struttura {
  std::size_t inizio = 0, fine = 0;
  std::string testo;
};

struct struttura_sorgente {
  std::vector<intestazione_struttura> intestazioni;  // items like [curve] that begin a line
  std::vector<record_struttura> record;              // in file order
  bool generale = false;                             // the [generale] item was found
  // Line file: where its general section ends (the header after it), npos when it does not.
  std::size_t fine_generale = std::string::npos;
};

struttura_sorgente leggi_struttura(const std::string& byte, bool treno);

// The record whose keyword or items hold the offset (an item's end included),
// nullptr when none; campo is the field's index, -1 for the keyword.
const record_struttura* record_a(const struttura_sorgente& s, std::size_t offset, int& campo);
