#pragma once
#include <nlohmann/json.hpp>
#include <span>
#include <string_view>

// The server's methods as one table of plain data: each row names a method
// as it goes on the wire, its kind, when it may run and the member function
// that runs it. A request is answered with what its function returns (or
// with the error it throws); a notification is never answered.

class server_lsp;

enum class genere_metodo { richiesta, notifica };

enum class fase_metodo {
  sempre,       // initialize and exit: each looks at the server's state itself
  in_servizio,  // after initialize and before shutdown
};

using esegue_richiesta = nlohmann::json (server_lsp::*)(const nlohmann::json& parametri);
using esegue_notifica = void (server_lsp::*)(const nlohmann::json& parametri);

struct metodo_lsp {
  std::string_view nome;
  genere_metodo genere;
  fase_metodo quando;
  esegue_richiesta richiesta = nullptr;  // a request's
  esegue_notifica notifica = nullptr;    // a notification's
};

// The rows of the table, one helper for each kind.
constexpr metodo_lsp richiesta(std::string_view nome, esegue_richiesta f, fase_metodo q = fase_metodo::in_servizio) {
  return {nome, genere_metodo::richiesta, q, f, nullptr};
}
constexpr metodo_lsp notifica(std::string_view nome, esegue_notifica f, fase_metodo q = fase_metodo::in_servizio) {
  return {nome, genere_metodo::notifica, q, nullptr, f};
}

// The row of a method of that name and kind; nullptr when the table has none.
inline const metodo_lsp* trova_metodo(std::span<const metodo_lsp> tabella, std::string_view nome, genere_metodo g) {
  for (const metodo_lsp& m : tabella)
    if (m.nome == nome && m.genere == g) return &m;
  return nullptr;
}
