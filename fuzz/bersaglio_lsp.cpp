#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>

#include "bersagli.h"
#include "scenario/lsp/cornice.h"
#include "scenario/lsp/server_lsp.h"

namespace {

using json = nlohmann::json;

[[noreturn]] void violato_bersaglio_lsp(const char* cosa) {
  std::fprintf(stderr, "invariant violated: %s\n", cosa);
  std::abort();
}

// A short line: each check compiles it again for every error the input holds.
const char linea_bersaglio_lsp[] =
    "[generale]\r\n"
    "lunghezza percorso,    3000\r\n"
    "progressiva chilometrica uno,    1000,    20000,    1\r\n"
    "ripetizione segnali 9 codici,    1000,    2000\r\n"
    "[pendenze]\r\n"
    "pendenza,  0,   0\r\n"
    "[fine]\r\n";

const std::string cartella_bersaglio_lsp = "file:///cartella-fuzz-lsp";

void invia(server_lsp& s, const json& m) { s.ricevi(m.dump(-1, ' ', false, json::error_handler_t::replace)); }

// What the server wrote: whole frames, each of valid JSON, nothing left over.
void controlla_uscita(const std::string& uscita) {
  lettore_cornici c;
  c.aggiungi(uscita);
  while (const std::optional<cornice_letta> x = c.prossima()) {
    if (!x->s.ok()) violato_bersaglio_lsp("a frame the server wrote is broken");
    if (json::parse(x->corpo, nullptr, false).is_discarded()) violato_bersaglio_lsp("the server wrote invalid JSON");
  }
  if (c.in_attesa() != 0) violato_bersaglio_lsp("a frame the server wrote is cut short");
}

}  // namespace

void bersaglio_lsp(const std::uint8_t* dati, std::size_t n) {
  const std::string_view byte(reinterpret_cast<const char*>(dati), n);
  std::ostringstream out;
  {
    server_lsp s(out, "fuzz");
    invia(s, {{"jsonrpc", "2.0"}, {"id", 0}, {"method", "initialize"}, {"params", json::object()}});
    invia(s, {{"jsonrpc", "2.0"},
              {"method", "textDocument/didOpen"},
              {"params",
               {{"textDocument",
                 {{"uri", cartella_bersaglio_lsp + "/Fz_linea.txt"},
                  {"languageId", "x"},
                  {"version", 1},
                  {"text", linea_bersaglio_lsp}}}}}});
    // The input as a stream of frames, in a reader with a small cap.
    lettore_cornici cornici(1 << 16);
    cornici.aggiungi(byte);
    for (int k = 0; k < 64; ++k) {
      const std::optional<cornice_letta> x = cornici.prossima();
      if (!x) break;
      s.ricevi(*x);
      if (s.uscito()) break;
    }
    // The input as the text of a train file, asked about at places it picks.
    const std::string uri = cartella_bersaglio_lsp + "/Fz_1-.txt";
    invia(s, {{"jsonrpc", "2.0"},
              {"method", "textDocument/didOpen"},
              {"params",
               {{"textDocument", {{"uri", uri}, {"languageId", "x"}, {"version", 1}, {"text", std::string(byte)}}}}}});
    const std::size_t riga = n > 0 ? dati[0] % 32 : 0, carattere = n > 1 ? dati[1] % 64 : 0;
    const json dove = {{"textDocument", {{"uri", uri}}}, {"position", {{"line", riga}, {"character", carattere}}}};
    invia(s, {{"jsonrpc", "2.0"}, {"id", 1}, {"method", "textDocument/hover"}, {"params", dove}});
    invia(s, {{"jsonrpc", "2.0"}, {"id", 2}, {"method", "textDocument/completion"}, {"params", dove}});
    invia(s, {{"jsonrpc", "2.0"}, {"id", 3}, {"method", "textDocument/documentSymbol"}, {"params", dove}});
    json azione = dove;
    azione["range"] = {{"start", {{"line", 0}, {"character", 0}}}, {"end", {{"line", riga}, {"character", 99}}}};
    invia(s, {{"jsonrpc", "2.0"}, {"id", 4}, {"method", "textDocument/codeAction"}, {"params", azione}});
    s.lavora();
  }
  controlla_uscita(out.str());
}
