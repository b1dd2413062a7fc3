#pragma once
#include <span>
#include <string>
#include <string_view>

class cartella_file;

// Closes every table of lines; never written to a file.
inline constexpr std::string_view fine_tabella = "riferimento fine del file";
// A table holds at most 1000 lines and its end marker.
inline constexpr std::size_t capienza_tabella = 1001;

// The bytes of a table: each line as it stands (Windows-1252) followed by
// CR LF, up to the first slot equal to the end marker.
std::string testo_righe(std::span<const std::string_view> righe);

// Writes the table to the file of the folder, replacing it whole.
void scrivi_righe(cartella_file& cartella, const std::string& nome, std::span<const std::string_view> righe);
