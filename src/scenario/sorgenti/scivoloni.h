#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/grammatica.h"
#include "scenario/sorgenti/struttura_sorgente.h"

// An author's slips, found on the one walk of a source file: where the
// compiler reads a line otherwise than it plainly says. A record whose items
// shift (a time "13:57" or "13.57" is one item where the record takes two, a
// number field that reads the first word of a text and leaves the rest to the
// next field, a record that runs into the next line's record); a number with
// the letter O for a zero; a keyword within two edits of one of its file and
// section; a station's minutes or seconds of 60 or more; a station timed
// earlier than the timed station before it. Each says what the record became
// and, where one edit mends it, that edit. The compiler still reads the
// bytes as it always has: these are the tool's words about them.
struct correzione_scivolone {
  std::size_t inizio = 0, fine = 0;  // the bytes replaced
  std::string testo;                 // what they become (ASCII)
  std::string titolo;                // for the editor, Italian (UTF-8)
};

struct scivolone {
  std::size_t offset = 0;  // the item at fault
  std::string codice;      // short code, e.g. "record-spostato"
  std::string messaggio;   // one line in Italian (UTF-8)
  // The compiled data differs from what the line plainly means (else the
  // slip is a warning).
  bool errore = false;
  // The bytes whose plainer warnings this one replaces (their numbers read
  // otherwise, a record running on into the next line, an unknown word).
  std::size_t copre_da = 0, copre_a = 0;
  std::optional<correzione_scivolone> correzione;
};

// The slips of the file whose bytes and walk these are, in file order.
std::vector<scivolone> scivoloni(const std::string& byte, const struttura_sorgente& s);

// The keyword of forme nearest to voce in edits (letter case folded where
// the keyword's test folds it); forma nullptr when forme is empty.
struct parola_vicina {
  const forma_record* forma = nullptr;
  std::size_t distanza = 0;
};
parola_vicina parola_piu_vicina(std::span<const forma_record> forme, std::string_view voce);

// An unknown keyword this near is a slip of its record (an error); one a
// little further is named in the warning.
inline constexpr std::size_t distanza_scivolone = 2;
bool parola_da_proporre(const parola_vicina& p);
