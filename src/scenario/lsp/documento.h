#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "scenario/testo/a_1252.h"
#include "scenario/testo/indice_righe.h"

// A source file open in the editor. The editor decodes the file as
// Windows-1252 and sends its text as UTF-8 (JSON); the compiler reads bytes.
// The document keeps both and maps between the editor's positions (line and
// UTF-16 unit, 0-based) and the offsets of the Windows-1252 bytes: each
// character is one byte, so an accented station name keeps the columns after
// it right. A byte-order mark at the start is kept out of the bytes (and
// reported by the server).

struct posizione_lsp {
  std::size_t riga = 0, carattere = 0;
};
struct intervallo_lsp {
  posizione_lsp inizio, fine;
};

class documento {
 public:
  documento(std::string uri, std::int64_t versione, std::string utf8);

  const std::string& uri() const { return uri_; }
  std::int64_t versione() const { return versione_; }
  const std::string& utf8() const { return utf8_; }
  // The bytes the compiler reads.
  const std::string& byte() const { return t_.byte; }
  bool con_bom() const { return bom_; }
  // Offsets in byte() of characters Windows-1252 cannot hold (written there as '?').
  const std::vector<std::size_t>& non_rappresentabili() const { return t_.non_rappresentabili; }

  void sostituisci(std::int64_t versione, std::string utf8);
  // Replaces the range with testo (UTF-8); a range past the end is clamped to it.
  void modifica(std::int64_t versione, const intervallo_lsp& r, std::string_view testo);

  // The byte offset of an editor position; past the end of its line, the line's end.
  std::size_t offset_di(posizione_lsp p) const;
  // The editor position of a byte offset.
  posizione_lsp posizione_di(std::size_t offset) const;
  // The lines of byte().
  const indice_righe& righe_byte() const { return righe_byte_; }
  std::size_t righe() const { return righe_byte_.righe(); }
  // The byte offset where a line (0-based) starts; past the last line, the end.
  std::size_t inizio_riga(std::size_t riga) const { return righe_byte_.inizio(riga); }

 private:
  void ricalcola();
  // The text after the mark, if any: the lines of both indexes are its lines.
  std::string_view corpo() const;
  std::size_t offset_utf8(posizione_lsp p) const;

  std::string uri_;
  std::int64_t versione_ = 0;
  std::string utf8_;
  bool bom_ = false;
  testo_1252 t_;
  indice_righe righe_utf8_, righe_byte_;  // of corpo() and of the bytes
};
