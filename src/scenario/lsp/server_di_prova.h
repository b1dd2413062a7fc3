#pragma once
// For the tests of the language server: an editor in memory that sends
// messages to a server_lsp and reads back what it wrote, and the embedded
// sources as an editor holds them (UTF-8).
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"
#include "scenario/lsp/cornice.h"
#include "scenario/lsp/server_lsp.h"
#include "scenario/testo/da_1252.h"

namespace server_di_prova {

using json = nlohmann::json;

// A folder no disk has: every file comes from the editor.
inline const std::string cartella = "file:///cartella-lsp-di-prova";
inline const std::string uri_linea = cartella + "/Velstra_Ordoven_linea.txt";
inline const std::string uri_treno = cartella + "/Velstra_Ordoven_318-.txt";

inline std::string linea_incorporata() { return utf8_da_1252(testo_righe(righe_linea())); }
inline std::string treno_incorporato() { return utf8_da_1252(testo_righe(righe_treno())); }

// The text with the first occurrence of da replaced by a.
inline std::string con(std::string t, const std::string& da, const std::string& a) {
  const std::size_t i = t.find(da);
  EXPECT_NE(i, std::string::npos) << da;
  if (i != std::string::npos) t.replace(i, da.size(), a);
  return t;
}

// 0-based line of the first occurrence of cercato.
inline std::size_t riga_di(const std::string& t, const std::string& cercato) {
  const std::size_t i = t.find(cercato);
  EXPECT_NE(i, std::string::npos) << cercato;
  std::size_t r = 0;
  for (std::size_t k = 0; k < i && k < t.size(); ++k)
    if (t[k] == '\n') ++r;
  return r;
}

// An editor's capabilities: snippets, related information, hover in
// Markdown, each as asked.
inline json capacita(bool frammenti, bool collegate, bool markdown) {
  return {{"textDocument",
           {{"completion", {{"completionItem", {{"snippetSupport", frammenti}}}}},
            {"publishDiagnostics", {{"relatedInformation", collegate}}},
            {"hover", {{"contentFormat", markdown ? json{"markdown", "plaintext"} : json{"plaintext"}}}}}}};
}
inline json capacita_complete() { return capacita(true, true, true); }

class editor {
 public:
  // Bytes as they are, framed.
  void invia_corpo(const std::string& corpo) { server.ricevi(corpo); }
  // Bytes as they come on the stream, frames and all, read as the stdio loop reads them.
  void invia_byte(std::string_view byte) {
    cornici_.aggiungi(byte);
    while (const std::optional<cornice_letta> c = cornici_.prossima()) server.ricevi(*c);
  }
  void invia(const json& m) { server.ricevi(m.dump()); }

  json richiedi(const std::string& metodo, const json& parametri) {
    const int id = ++ultimo_id_;
    invia({{"jsonrpc", "2.0"}, {"id", id}, {"method", metodo}, {"params", parametri}});
    for (const json& m : leggi())
      if (m.contains("id") && m["id"] == id) return m;
    ADD_FAILURE() << "no answer to " << metodo;
    return json();
  }
  void notifica(const std::string& metodo, const json& parametri) {
    invia({{"jsonrpc", "2.0"}, {"method", metodo}, {"params", parametri}});
  }
  // capacita: the editor's capabilities; by default it shows all the server sends.
  json inizia(const std::string& nome_editor = "prova", const json& capacita = capacita_complete()) {
    const json r = richiedi(
        "initialize", {{"processId", nullptr}, {"clientInfo", {{"name", nome_editor}}}, {"capabilities", capacita}});
    notifica("initialized", json::object());
    return r;
  }
  void apri(const std::string& uri, const std::string& testo, int versione = 1) {
    notifica("textDocument/didOpen",
             {{"textDocument", {{"uri", uri}, {"languageId", "scenario"}, {"version", versione}, {"text", testo}}}});
  }
  // Runs the checks; the diagnostics published, by URI (the last of each).
  std::map<std::string, json> controlla() {
    server.lavora();
    std::map<std::string, json> p;
    for (const json& m : leggi())
      if (m.value("method", "") == "textDocument/publishDiagnostics") p[m["params"]["uri"]] = m["params"];
    return p;
  }
  // Every message the server wrote since the last read.
  std::vector<json> leggi() {
    lettore_cornici c;
    c.aggiungi(out_.str());
    out_.str("");
    std::vector<json> v;
    while (const std::optional<cornice_letta> x = c.prossima()) {
      EXPECT_TRUE(x->s.ok()) << x->s.messaggio();
      if (x->s.ok()) v.push_back(json::parse(x->corpo));
    }
    EXPECT_EQ(c.in_attesa(), 0u);
    return v;
  }

 private:
  std::ostringstream out_;
  lettore_cornici cornici_;
  int ultimo_id_ = 0;

 public:
  server_lsp server{out_, "prova"};
};

inline json posizione(std::size_t riga, std::size_t carattere) { return {{"line", riga}, {"character", carattere}}; }
inline json id_documento(const std::string& uri) { return {{"uri", uri}}; }

}  // namespace server_di_prova
