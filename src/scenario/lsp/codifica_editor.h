#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "scenario/lsp/documento.h"

// The source files are Windows-1252. What the server can tell from the text
// an editor sends about a file that is not: a byte-order mark, characters
// that Windows-1252 cannot hold, a file on disk in UTF-8 that the editor
// decoded as such. Each gets a warning that says how to save the file as
// Windows-1252 in that editor. A NUL byte says the file is no text at all.

// The steps in the editor named by the client ("Neovim", "Visual Studio
// Code", "helix", "Kate"...), a general sentence for another.
std::string come_salvare_in_1252(std::string_view editor);

struct avviso_codifica {
  std::size_t offset = 0;  // in the document's bytes
  std::string codice;      // "bom", "non-1252", "utf8-su-disco", "binario"
  std::string messaggio;
};

// disco: the file's bytes on disk when known (nullptr otherwise).
std::vector<avviso_codifica> avvisi_codifica(const documento& d, const std::string* disco, std::string_view editor);
