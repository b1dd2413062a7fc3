#include "scenario/lsp/capacita_cliente.h"

using json = nlohmann::json;

namespace {

// The value at the path of keys, nullptr when some key is missing or no object holds it.
const json* a(const json& j, std::initializer_list<const char*> chiavi) {
  const json* p = &j;
  for (const char* k : chiavi) {
    if (!p->is_object()) return nullptr;
    const auto it = p->find(k);
    if (it == p->end()) return nullptr;
    p = &*it;
  }
  return p;
}

bool vero(const json& j, std::initializer_list<const char*> chiavi) {
  const json* v = a(j, chiavi);
  return v && v->is_boolean() && v->get<bool>();
}
}  // namespace

capacita_cliente leggi_capacita(const json& parametri) {
  capacita_cliente c;
  if (const json* nome = a(parametri, {"clientInfo", "name"}); nome && nome->is_string())
    c.editor = nome->get<std::string>();
  const json* testo = a(parametri, {"capabilities", "textDocument"});
  if (!testo) return c;
  c.frammenti = vero(*testo, {"completion", "completionItem", "snippetSupport"});
  c.informazioni_collegate = vero(*testo, {"publishDiagnostics", "relatedInformation"}) && c.editor != "Neovim";
  if (const json* formati = a(*testo, {"hover", "contentFormat"}); formati && formati->is_array() && !formati->empty())
    c.hover_markdown = (*formati)[0] == "markdown";
  return c;
}
