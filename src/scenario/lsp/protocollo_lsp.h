#pragma once
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "scenario/lsp/documento.h"

// The language server's protocol (JSON-RPC 2.0, LSP 3.17) as it goes on the
// wire: the envelope of each message, positions and ranges, and the
// protocol's numbers by name. The features say what to answer; here is the
// one place that says how it is written.

// Error codes of JSON-RPC and of the protocol.
enum class codice_errore : std::int32_t {
  sintassi = -32700,              // ParseError: no JSON, or a frame that is no message
  richiesta_non_valida = -32600,  // InvalidRequest
  metodo_sconosciuto = -32601,    // MethodNotFound
  parametri_non_validi = -32602,  // InvalidParams
  interno = -32603,               // InternalError
  non_iniziato = -32002,          // ServerNotInitialized
};

// DiagnosticSeverity.
enum class gravita_diagnostica : std::int32_t { errore = 1, avviso = 2, informazione = 3 };
// SymbolKind: the kinds the outline uses.
enum class tipo_simbolo : std::int32_t { spazio_nomi = 3, oggetto = 19, evento = 24 };
// CompletionItemKind: the proposals are keywords.
enum class tipo_proposta : std::int32_t { parola_chiave = 14 };
// InsertTextFormat: a proposal's text is a snippet with ${n:name} fields.
enum class formato_inserimento : std::int32_t { testo = 1, frammento = 2 };
// TextDocumentSyncKind: the editor sends each change, not the whole text.
enum class sincronizzazione_testo : std::int32_t { nessuna = 0, intera = 1, incrementale = 2 };
// MessageType of window/logMessage.
enum class tipo_messaggio : std::int32_t { errore = 1, avviso = 2, informazione = 3, log = 4 };

inline constexpr std::string_view formato_markdown = "markdown";       // MarkupKind
inline constexpr std::string_view formato_semplice = "plaintext";      // MarkupKind
inline constexpr std::string_view correzione_rapida = "quickfix";      // CodeActionKind
inline constexpr std::string_view codifica_posizioni = "utf-16";       // PositionEncodingKind
inline constexpr std::string_view sorgente_diagnostiche = "scenario";  // a Diagnostic's source

// A failure the editor is told of: the code and the message (Italian,
// UTF-8) of its error answer. A method throws it when it cannot go on.
class errore_lsp : public std::runtime_error {
 public:
  errore_lsp(codice_errore codice, const std::string& messaggio) : std::runtime_error(messaggio), codice_(codice) {}
  codice_errore codice() const { return codice_; }

 private:
  codice_errore codice_;
};

// --- The envelope.

// What the editor sent, as its envelope tells: a request (method and id), a
// notification (method, no id), an answer to a request of the server's, or
// no message at all (guasto, with the id to answer when it can be told).
struct messaggio_ricevuto {
  enum class genere { richiesta, notifica, risposta, guasto } g = genere::guasto;
  std::string metodo;
  nlohmann::json id;                 // a request's; a fault's, or null
  nlohmann::json parametri;          // {} when the message has none
  std::optional<errore_lsp> guasto;  // what is wrong with it
};
messaggio_ricevuto leggi_messaggio(std::string_view corpo);

nlohmann::json messaggio_risposta(const nlohmann::json& id, nlohmann::json risultato);
nlohmann::json messaggio_errore(const nlohmann::json& id, const errore_lsp& e);
nlohmann::json messaggio_notifica(std::string_view metodo, nlohmann::json parametri);

// One message on the stream, framed. Text that is no UTF-8 goes out with
// its bad bytes replaced: the frame stays valid JSON.
void scrivi_messaggio(std::ostream& out, const nlohmann::json& m);

// --- Positions and ranges.

nlohmann::json posizione_json(const posizione_lsp& p);
nlohmann::json intervallo_json(const intervallo_lsp& r);
// The range of a document's bytes [da, a), and its JSON.
intervallo_lsp intervallo_di(const documento& d, std::size_t da, std::size_t a);
nlohmann::json intervallo_json(const documento& d, std::size_t da, std::size_t a);

// A position or a range the editor sent: json::exception when a field is
// missing or no number, errore_lsp (invalid parameters) when it is negative.
posizione_lsp posizione_da_json(const nlohmann::json& j);
intervallo_lsp intervallo_da_json(const nlohmann::json& j);

// --- Pieces of the answers.

// MarkupContent in Markdown.
nlohmann::json testo_markdown(std::string testo);
// MarkupContent in Markdown or in plain text.
nlohmann::json testo_marcato(std::string testo, bool markdown);
// A TextEdit: the range's text becomes nuovo.
nlohmann::json modifica_testo(nlohmann::json intervallo, std::string nuovo);
// A Diagnostic of the server: codice is the error's number or the warning's name.
nlohmann::json diagnostica_json(const intervallo_lsp& r, gravita_diagnostica g, nlohmann::json codice,
                                std::string messaggio);
// The notification that replaces a document's diagnostics; versione, when
// known, the document's version they were found at.
nlohmann::json messaggio_diagnostiche(const std::string& uri, std::optional<std::int64_t> versione,
                                      nlohmann::json diagnostiche);
// A line of the editor's log.
nlohmann::json messaggio_log(tipo_messaggio tipo, std::string testo);
