#pragma once
#include <string>
#include <string_view>
#include <vector>

// Which source file a document is, from its name and the names of the other
// files of its folder: ROUTE_linea.txt is the line file of ROUTE;
// ROUTE_TRAIN-.txt the train file of ROUTE and TRAIN, read back as the tool
// reads it (base/nomi_scenario.h: a route key may hold '_', the
// ROUTE_linea.txt of the folder says where it ends; with none, the longest
// route key). Anything else, and a train file whose name reads in no way or
// in several ways, is no source file.
struct nome_sorgente {
  enum class ruolo { nessuno, linea, treno } r = ruolo::nessuno;
  std::string percorso, treno;
};
nome_sorgente riconosci_nome(std::string_view nome, const std::vector<std::string>& cartella);

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

// riconosci_nome for the document at u, its folder's names being the files
// on disk (a file: folder) and the documents of uri_aperti in that folder;
// the folder is read only when the name needs it.
nome_sorgente riconosci_documento(const uri_diviso& u, const std::vector<std::string>& uri_aperti);
