#pragma once
#include <ostream>
#include <span>
#include <string>
#include <string_view>

// The JSON document of a command run with --json: one object on stdout for
// every run, success or failure, with the schema's version, the command and
// its exit code first. docs/schema/COMMAND.schema.json describes each.
inline constexpr int versione_schema_json = 1;

// Whether the command line asks for JSON, even when it is otherwise wrong.
bool chiede_json(std::span<const std::string> argomenti);

// {"versione": 1, "comando": "...", "codice_uscita": N, ...: the opening of a
// command's document; the caller writes its own keys, each after ", ".
void apri_documento_json(std::ostream& out, std::string_view comando, int codice_uscita);

// The document of a run that could not go on: the opening, then "guasto".
void stampa_documento_guasto(std::ostream& out, std::string_view comando, int codice_uscita, std::string_view genere,
                             const std::string& messaggio, const std::string& file);

// A failure of the run as the document's "guasto": its kind ("uso",
// "cartella", "non_trovato", "file_system", "errore"), the message and the
// file at fault (or null).
void stampa_guasto_json(std::ostream& out, std::string_view genere, const std::string& messaggio,
                        const std::string& file);
