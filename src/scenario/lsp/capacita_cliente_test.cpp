#include "scenario/lsp/capacita_cliente.h"

#include <gtest/gtest.h>

namespace {

using json = nlohmann::json;

// What editors send at initialize, and what the server makes of it.
TEST(CapacitaCliente, EachEditorIsReadAsItSays) {
  struct caso {
    const char* nome;
    json parametri;
    bool frammenti, collegate, markdown;
  };
  const json piena = {{"completion", {{"completionItem", {{"snippetSupport", true}}}}},
                      {"publishDiagnostics", {{"relatedInformation", true}}},
                      {"hover", {{"contentFormat", {"markdown", "plaintext"}}}}};
  const caso casi[] = {
      {"all of it",
       {{"clientInfo", {{"name", "Visual Studio Code"}}}, {"capabilities", {{"textDocument", piena}}}},
       true,
       true,
       true},
      // Neovim 0.7: no snippets, Markdown first, related information declared but never shown.
      {"Neovim 0.7",
       {{"clientInfo", {{"name", "Neovim"}, {"version", "0.7.2"}}},
        {"capabilities",
         {{"textDocument",
           {{"completion", {{"completionItem", {{"snippetSupport", false}}}}},
            {"publishDiagnostics", {{"relatedInformation", true}}},
            {"hover", {{"contentFormat", {"markdown", "plaintext"}}}}}}}}},
       false,
       false,
       true},
      {"plain text first",
       {{"capabilities", {{"textDocument", {{"hover", {{"contentFormat", {"plaintext", "markdown"}}}}}}}}},
       false,
       false,
       false},
      {"nothing said", {{"capabilities", json::object()}}, false, false, false},
      {"no capabilities at all", json::object(), false, false, false},
      // Wrong types count as absent, they do not throw.
      {"wrong types",
       {{"clientInfo", 3},
        {"capabilities",
         {{"textDocument",
           {{"completion", {{"completionItem", {{"snippetSupport", "s\xC3\xAC"}}}}},
            {"publishDiagnostics", json::array()},
            {"hover", {{"contentFormat", "markdown"}}}}}}}},
       false,
       false,
       false},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.nome);
    const capacita_cliente k = leggi_capacita(c.parametri);
    EXPECT_EQ(k.frammenti, c.frammenti);
    EXPECT_EQ(k.informazioni_collegate, c.collegate);
    EXPECT_EQ(k.hover_markdown, c.markdown);
  }
  EXPECT_EQ(leggi_capacita(casi[1].parametri).editor, "Neovim");
}

}  // namespace
