#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/grammatica.h"
#include "scenario/testo/indice_righe.h"

// The one walk over a source file: its records as the compiler's readers
// recognise them, with the compiler's own item reader and record grammar
// (the general section of the line file, then its records; the train file's
// records after [generale]). Every item the readers read is kept in file
// order with what it is to them (passed over before [generale], a ruler, a
// keyword examined, a record's field, the last item left unread); each
// record keeps its kind, where its keyword and each of its items stand in
// the bytes (blanks and separators between them are the text around those
// offsets, which stays as written) and each number as the compiler reads
// it. Built once per file beside the file's line index; the warnings, the
// diagnostics' origins, inspect, the page, the documents and the editor's
// language server read it.

struct voce_record {
  std::size_t inizio = 0, fine = 0;  // the item's bytes, blanks around it left out
  std::size_t dopo = 0;              // past its separator: the blanks and the comma or line end after it
  std::int32_t numero = 0;           // as read (a text item: 0)
  std::string testo;                 // a text item (Windows-1252)
};

struct record_struttura {
  const forma_record* forma = nullptr;
  std::size_t inizio = 0, fine = 0;  // the keyword item
  std::size_t dopo = 0;              // past the keyword's separator
  std::vector<voce_record> campi;    // fewer than the fields when the file ends inside it
  bool completo() const { return campi.size() == forma->campi.size(); }
};

struct intestazione_struttura {
  std::size_t inizio = 0, fine = 0;
  std::string testo;
};

// What an item is to the readers.
enum class ruolo_voce : std::uint8_t {
  prima,       // before the [generale] item, that item included: looked at for [generale] only
  separatore,  // a ruler item of '-' passed over before the next item
  chiave,      // examined as a keyword: a record's, a section header or a word no record has
  campo,       // one of a record's fields
  ultima,      // the file's last item, which the readers never examine
};

struct voce_sorgente {
  std::size_t inizio = 0, fine = 0;  // as voce_record
  std::size_t dopo = 0;
  ruolo_voce ruolo = ruolo_voce::prima;
  bool generale = false;     // read by the line file's general section (its closing header included)
  bool inizio_riga = false;  // only blanks before it on its line
};

// The item's text as written (a number field: the bytes its read takes).
std::string_view testo_voce(const std::string& byte, const voce_sorgente& v);

struct struttura_sorgente {
  indice_righe righe;                                // the file's lines
  std::vector<intestazione_struttura> intestazioni;  // items like [curve] that begin a line
  std::vector<record_struttura> record;              // in file order
  std::vector<voce_sorgente> voci;                   // every item read, in file order
  // Where the item holding [generale] starts (any letter case, as the
  // readers find it), npos when there is none.
  std::size_t inizio_generale = std::string::npos;
  // Line file: where its general section ends (the header after it), npos when it does not.
  std::size_t fine_generale = std::string::npos;
  // Where the walk stopped before the end of the file, at a read the
  // compiler refuses (the start of the last item begun), npos when it read
  // to the end.
  std::size_t interrotta = std::string::npos;
  // The stop at interrotta is a read the compiler refuses (a text too long,
  // a number out of range, a ruler at the end of the general section), not
  // the file ending inside a record.
  bool rifiutata = false;
  bool con_piano = true;  // as read: curves were records
  bool treno = false;     // the train file's walk (else the line file's)
};

// con_piano: the plan is built, so curves are records (otherwise their items
// are passed over one by one, as the line's reader does).
struttura_sorgente leggi_struttura(const std::string& byte, bool treno, bool con_piano = true);

// One record's line on its own (its keyword, then its fields), read as its
// reader reads it: the fields the line holds.
record_struttura leggi_riga_record(const forma_record& r, const std::string& riga);

// The record whose keyword or items hold the offset (an item's end included),
// nullptr when none; campo is the field's index, -1 for the keyword.
const record_struttura* record_a(const struttura_sorgente& s, std::size_t offset, int& campo);

// The end of the item the walk read that begins at or holds the offset (its
// blanks left out); the offset itself when no item does.
std::size_t fine_voce_a(const struttura_sorgente& s, std::size_t offset);
