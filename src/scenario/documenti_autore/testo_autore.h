#pragma once
#include <string>
#include <string_view>
#include <vector>

// The lines of a text file an author wrote beside the sources, as
// Windows-1252: a file in UTF-8 (with or without its mark) is converted, and
// any line end is accepted (CR LF, LF, CR). A character that Windows-1252
// cannot hold, a byte it leaves undefined or a control character is refused
// as "FILE:RIGA: ..." in errori (UTF-8), and righe is then incomplete.
std::vector<std::string> righe_autore(std::string_view byte, const std::string& file, std::vector<std::string>& errori);

// The lines joined, each followed by CR LF.
std::string testo_crlf(const std::vector<std::string>& righe);
