#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

class cartella_file;

// The item stream of a source file: items are separated by commas and line
// ends (CR LF, LF or CR); blanks are space and tab. The file is read whole as
// raw bytes; texts stay bytes.
struct lettore_voci {
  std::string dati;
  std::size_t pos = 0;
  std::size_t inizio_voce = 0;  // offset of the last item read (after its leading blanks)
  std::size_t fine_voce = 0;    // offset just past the last item read (before its separator)
};

// Loads the file of the folder in one read; false when it does not exist or is
// no regular file. Any other failure of the folder interrupts the run.
bool apri_lettore(const cartella_file& cartella, const std::string& nome, lettore_voci& in);
void apri_lettore_da_testo(std::string testo, lettore_voci& in);

// True as soon as the read position is at the end of the file.
bool fine_file(const lettore_voci& in);

// A text item, up to the next comma or line end, trailing blanks removed.
// Throws interruzione (lettura) at the end of the file or for a text over 65535 bytes.
std::string leggi_voce(lettore_voci& in);

// A number item, up to the next comma, blank or line end: the longest prefix
// [sign] digits [. digits] rounded half to even on its decimal digits; no digit
// at its start gives 0. Throws interruzione (lettura) at the end of the file or when
// the value is outside signed 32-bit.
std::int32_t leggi_numero(lettore_voci& in);

// Number conversion alone, for tests and the tool: false when out of range.
bool converti_numero(const std::string& testo, std::int32_t& valore);
