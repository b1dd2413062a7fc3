#pragma once
#include <nlohmann/json.hpp>
#include <string>

// What the editor can show, as its initialize says, read once: the features
// answer within it. A capability the editor does not name it has not.
struct capacita_cliente {
  std::string editor;  // clientInfo.name: "Neovim", "Visual Studio Code"...
  // Completion: snippets with ${n:name} fields are expanded; without, a
  // proposal inserts its keyword and names its fields in the label.
  bool frammenti = false;
  // Diagnostics: the related record is shown; without, it goes in the message.
  bool informazioni_collegate = false;
  // Hover: Markdown is the first format the editor asks for; else plain text.
  bool hover_markdown = false;
};

// The capabilities of initialize's parameters. Neovim declares related
// information but its diagnostics never show it: for Neovim it counts as absent.
capacita_cliente leggi_capacita(const nlohmann::json& parametri);
