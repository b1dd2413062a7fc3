#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "compiler/esito_lettura.h"
#include "compiler/lettore_voci.h"
#include "model/misure.h"

struct Form1;

// The train reader's state for one call: the open file, the station counter
// and the two profile fills that the records share.
struct stato_treno {
  Form1& f;
  lettore_voci in;
  std::int32_t slot_cartello = primo_slot_cartello;  // first stazioni entry taken by a sign text
  std::int32_t stazione = 1;                         // entry the next station takes
  std::int32_t posizione_velocita = 0;               // every cell below it has its speed
  std::int32_t posizione_aderenza = 0;               // every cell below it has its adhesion
  std::int32_t velocita_precedente = 0;              // km/h of the last speed-limit record
  std::int32_t aderenza_precedente = 0;              // value of the last adhesion record
  std::size_t offset_velocita = 0;                   // speed field of the last speed-limit record
  std::size_t offset_record = 0;                     // keyword item of the record being read
  // Where an error 25 raised by the reader itself lies; npos while the item
  // reader is the one that may fail.
  std::size_t offset_fallimento = std::string::npos;
};

// Records an error of the train file at the given byte offset.
void registra_errore(stato_treno& s, std::int32_t numero, std::size_t offset);
void registra_errore(stato_treno& s, std::int32_t numero, std::size_t offset, std::int32_t progressiva);

// Error 25 raised by the reader itself: remembers the offset and throws.
[[noreturn]] void fallisci(stato_treno& s, std::size_t offset);

// The item reader for the train file: a read at the end of the file fails at
// the end of the file, any other failure at the item being read.
std::int32_t leggi_numero(stato_treno& s);
std::string leggi_voce(stato_treno& s);

// Number fields of the places narrower than 32 bits: a value that does not
// fit is error 25 at that field.
std::uint8_t leggi_8_bit(stato_treno& s);
std::int16_t leggi_16_bit(stato_treno& s);

// A cell index inside percorso.
bool nel_percorso(const Form1& f, std::int64_t i);

// Range check of a record's progressive: (p + margine)/50 <= numero_celle,
// exactly and without overflow. Records error 15 at the record when it fails.
esito_lettura controlla_progressiva(stato_treno& s, std::int32_t p, std::int32_t margine);
