#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "scenario/lsp/documento.h"

// The source files are Windows-1252. What the server can tell from the text
// an editor sends about a file that is not: a byte-order mark, characters
// that Windows-1252 cannot hold, a file on disk in UTF-8. Each gets a warning
// that fits: a character is replaced (saving cannot keep it), a mark or a
// file decoded as UTF-8 is saved as Windows-1252, a UTF-8 file shown as
// Windows-1252 is read again as UTF-8 first, each in that editor's steps.
// A NUL byte says the file is no text at all.

// The steps in the editor named by the client ("Neovim", "Visual Studio
// Code", "helix", "Kate"...), a general sentence for another: to save the
// text it shows as Windows-1252; to read a UTF-8 file it shows as
// Windows-1252 again as UTF-8, then save it as Windows-1252.
std::string come_salvare_in_1252(std::string_view editor);
std::string come_riaprire_utf8(std::string_view editor);

// A character Windows-1252 has not (UTF-8) and a near one that it has
// ("->" for an arrow, "c" for "č"), "" when there is none.
std::string carattere_vicino(std::string_view carattere);

struct avviso_codifica {
  std::size_t offset = 0;  // in the document's bytes
  std::string codice;      // "bom", "non-1252", "utf8-su-disco", "binario"
  std::string messaggio;
};

// disco: the file's bytes on disk when known (nullptr otherwise).
std::vector<avviso_codifica> avvisi_codifica(const documento& d, const std::string* disco, std::string_view editor);
