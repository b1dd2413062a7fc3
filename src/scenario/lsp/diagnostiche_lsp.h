#pragma once
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "scenario/lsp/documento.h"
#include "scenario/sorgenti/diagnostica.h"
#include "scenario/sorgenti/struttura_sorgente.h"

// The diagnostics of a pair of source files, as `scenario check` finds them,
// and their form in the protocol.

// Codes of the server's own notes beside the check's.
inline constexpr const char* codice_manca_compagno = "file-mancante";
inline constexpr const char* codice_ricerca_fermata = "ricerca-fermata";
inline constexpr const char* codice_troppo_grande = "file-troppo-grande";

// A file larger than this is not checked as one types (a 1000000 m line is
// under 100 KB): `scenario check` still reads it.
inline constexpr std::size_t massimo_controllato = std::size_t{16} << 20;

// Every error and warning of the line file and the train file of route and
// train (nullptr for a file that is not there): the check in memory over the
// two texts; a missing partner gives the other file's warnings and a note
// that names what is missing; a file over massimo_controllato gives a note
// and no check. Each diagnostica's file names the file it belongs to.
std::vector<diagnostica> controlla_coppia(const std::string& percorso, const std::string& treno,
                                          const std::string* linea_byte, const std::string* treno_byte);

// Where a file's line and column (1-based, bytes) stands in the editor: its
// URI and its range (the item there), nullopt when the file is unknown.
using trova_luogo = std::function<std::optional<std::pair<std::string, intervallo_lsp>>(
    const std::string& nome, std::size_t riga, std::size_t colonna)>;

// The keyword of a file's line (1-based), "" when it cannot be told.
using trova_parola = std::function<std::string(const std::string& nome, std::size_t riga)>;

// The related record in words, after the message, for an editor that does
// not show related information: "la cella è già presa da `segnale` alla
// riga 280" (with the file's name when it is the other file); "" without one.
std::string nota_nel_messaggio(const diagnostica& d, const std::string& parola);

// A protocol Diagnostic: range of the field at fault, severity, code (the
// error's number or the warning's name), source "scenario", the message and
// the record that took the cell: as related information when the editor
// shows it (collegate), else in the message, its keyword found by parola.
nlohmann::json diagnostica_in_json(const diagnostica& d, const trova_luogo& luogo, bool collegate,
                                   const trova_parola& parola);

// The range of the item at line and column (1-based, bytes) of a document,
// as the document's walk s read it (empty where no item stands).
intervallo_lsp intervallo_voce(const documento& d, const struttura_sorgente& s, std::size_t riga, std::size_t colonna);
