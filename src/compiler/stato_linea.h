#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "compiler/esito_lettura.h"
#include "compiler/lettore_voci.h"
#include "model/misure.h"

struct Form1;

// The line reader's state for one call: the open file and the cursors that
// the records of the record part share.
struct stato_linea {
  Form1& f;
  lettore_voci in;
  std::int32_t cursore_pendenza = 0;                 // next cell whose gradient is unset
  std::int32_t pendenza_precedente = 0;              // value of the last gradient record
  std::int32_t slot_cartello = primo_slot_cartello;  // next stazioni entry for a sign text
  std::int32_t cursore_piano = 2;                    // next metre of the plan
  std::size_t offset_record = 0;                     // keyword item of the record being read
  // Reference item of each chainage series, by entry (81, 82, 83) as read.
  std::size_t offset_riferimento[3] = {std::string::npos, std::string::npos, std::string::npos};
  // Where an error 25 raised by the reader itself lies; npos while the item
  // reader is the one that may fail.
  std::size_t offset_fallimento = std::string::npos;
};

// Records an error of the line file at the given byte offset.
void registra_errore(stato_linea& s, std::int32_t numero, std::size_t offset);
void registra_errore(stato_linea& s, std::int32_t numero, std::size_t offset, std::int32_t progressiva);

// Error 25 raised by the reader itself: remembers the offset and throws.
[[noreturn]] void fallisci(stato_linea& s, std::size_t offset);
