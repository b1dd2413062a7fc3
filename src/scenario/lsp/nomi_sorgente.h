#pragma once
#include <string>
#include <string_view>

// Which source file a document is, from its name: ROUTE_linea.txt is the line
// file of ROUTE; ROUTE_TRAIN-.txt, its name split at the last underscore, the
// train file of ROUTE and TRAIN. Anything else is no source file.
struct nome_sorgente {
  enum class ruolo { nessuno, linea, treno } r = ruolo::nessuno;
  std::string percorso, treno;
};
nome_sorgente riconosci_nome(std::string_view nome);

// A document's URI split at its last '/': the folder's URI and the file name,
// percent escapes decoded in the name.
struct uri_diviso {
  std::string cartella;  // the URI up to the last '/', excluded
  std::string nome;
};
uri_diviso dividi_uri(std::string_view uri);

// The path on disk of a folder URI (file: only, percent escapes decoded, a
// Windows drive "/c:/..." without its leading '/'); "" for another scheme.
std::string percorso_da_uri(std::string_view cartella);

// The URI of a file of a folder, the name percent-escaped as editors do.
std::string uri_di(std::string_view cartella, std::string_view nome);
