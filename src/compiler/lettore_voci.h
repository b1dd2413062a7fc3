#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// The item stream of a source file: items are separated by commas and line
// ends (CR LF, LF or CR); blanks are space and tab. The file is read whole as
// raw bytes; texts stay bytes.
struct lettore_voci {
  std::string dati;
  std::size_t pos = 0;
  std::size_t inizio_voce = 0;  // offset of the last item read (after its leading blanks)
  std::size_t fine_voce = 0;    // offset just past the last item read (before its separator)
};

// Loads the file; false when it does not exist or is no regular file.
bool apri_lettore(const std::filesystem::path& file, lettore_voci& in);
void apri_lettore_da_testo(std::string testo, lettore_voci& in);

// True as soon as the read position is at the end of the file.
bool fine_file(const lettore_voci& in);

// A text item, up to the next comma or line end, trailing blanks removed.
// Throws lettura_fallita at the end of the file or for a text over 65535 bytes.
std::string leggi_voce(lettore_voci& in);

// A number item, up to the next comma, blank or line end: the longest prefix
// [sign] digits [. digits] rounded half to even on its decimal digits; no digit
// at its start gives 0. Throws lettura_fallita at the end of the file or when
// the value is outside signed 32-bit.
std::int32_t leggi_numero(lettore_voci& in);

// Number conversion alone, for tests and the tool: false when out of range.
bool converti_numero(const std::string& testo, std::int32_t& valore);

// 1-based line and column of a byte offset, counting CR LF, LF and CR as line ends.
struct posizione_testo {
  std::size_t riga = 1;
  std::size_t colonna = 1;
};
posizione_testo posizione_di(const std::string& dati, std::size_t offset);
