#pragma once
#include <string>
#include <string_view>
#include <vector>

// The sheet and the order set each name in a cell of fixed width and cut a
// longer one to fit, so a bar never moves; the driver then reads a name the
// author never wrote. These find every such cut on the finished paper: a name
// of the sheet's rows in its column and, for a station, in a page's head; a
// name of the order's rows in its column. One warning for each name and
// place, at the first line of the document that shows it cut, with the whole
// name and what is printed, the other lines after it ("FILE:RIGA: avviso: ...",
// UTF-8).
struct nomi_di_un_documento {
  std::string file;               // the document's file name, for the warning
  std::string_view testo;         // the document as written (Windows-1252, CR LF)
  std::vector<std::string> nomi;  // every name its rows were given, whole
};

std::vector<std::string> avvisi_nomi_tagliati(const nomi_di_un_documento& scheda, const nomi_di_un_documento& ordine);
