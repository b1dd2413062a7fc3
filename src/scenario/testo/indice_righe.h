#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

// The lines of a text, found once: where each begins. A line ends at CR LF,
// at a lone LF or at a lone CR, each counted once, as the compiler's item
// reader ends an item; a text that ends with a line end has an empty last
// line after it. Every place of the tool that turns an offset into a line
// and a column, or back, asks this index.

// 0-based line and column.
struct punto_riga {
  std::size_t riga = 0, colonna = 0;
};

class indice_righe {
 public:
  indice_righe() = default;
  explicit indice_righe(std::string_view testo);

  std::size_t righe() const { return inizi_.size(); }
  std::size_t dimensione() const { return dimensione_; }
  // Where a line begins; past the last line, the end of the text.
  std::size_t inizio(std::size_t riga) const { return riga < inizi_.size() ? inizi_[riga] : dimensione_; }
  // Where a line's content ends (its line end, or the end of the text).
  std::size_t fine(std::size_t riga) const { return riga < fini_.size() ? fini_[riga] : dimensione_; }
  // The line holding an offset (past the end: the last line). The LF of a
  // CR LF belongs to the line it ends.
  std::size_t riga(std::size_t offset) const;

  // Line and column in bytes. The LF of a CR LF stands at the CR's column:
  // both are the one line end.
  punto_riga in_byte(std::size_t offset) const;
  // The offset of a line and byte column; a column past the line's end
  // gives the line's end.
  std::size_t offset_di(punto_riga p) const;

  // The same in UTF-16 units of the characters, for an index built on a
  // UTF-8 text (given again here). A Windows-1252 text is one unit a byte,
  // so in_byte serves it; a UTF-8 text may hold characters of two units.
  punto_riga in_utf16(std::string_view utf8, std::size_t offset) const;
  std::size_t offset_di_utf16(std::string_view utf8, punto_riga p) const;

 private:
  std::vector<std::size_t> inizi_{0}, fini_{0};
  std::size_t dimensione_ = 0;
};

// 1-based line and column in bytes, as the tool's messages write them
// ("file:12:5").
struct posizione_riga {
  std::size_t riga = 1, colonna = 1;
};
posizione_riga posizione_1(const indice_righe& r, std::size_t offset);

// UTF-16 units of the characters of a UTF-8 text from da to a, and the offset
// reached from da after a number of characters or of units; both stop at a
// line end and at the end of the text.
std::size_t unita_utf16(std::string_view utf8, std::size_t da, std::size_t a);
std::size_t avanza_caratteri(std::string_view utf8, std::size_t da, std::size_t caratteri);
std::size_t caratteri_tra(std::string_view utf8, std::size_t da, std::size_t a);
