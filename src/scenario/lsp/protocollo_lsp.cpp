#include "scenario/lsp/protocollo_lsp.h"

#include "scenario/lsp/cornice.h"

using json = nlohmann::json;

messaggio_ricevuto leggi_messaggio(std::string_view corpo) {
  using genere = messaggio_ricevuto::genere;
  messaggio_ricevuto r;
  json m = json::parse(corpo.begin(), corpo.end(), nullptr, false);
  if (m.is_discarded()) {
    r.guasto.emplace(codice_errore::sintassi, "messaggio che non \xC3\xA8 JSON valido");
    return r;
  }
  if (!m.is_object() || !m.contains("method") || !m["method"].is_string()) {
    // An answer to a request of the server's, or no message at all.
    if (m.is_object() && (m.contains("result") || m.contains("error"))) {
      r.g = genere::risposta;
      return r;
    }
    if (m.is_object() && m.contains("id") && (m["id"].is_number() || m["id"].is_string())) r.id = m["id"];
    r.guasto.emplace(codice_errore::richiesta_non_valida, "richiesta senza metodo");
    return r;
  }
  if (m.contains("id") && !(m["id"].is_number_integer() || m["id"].is_string())) {
    r.guasto.emplace(codice_errore::richiesta_non_valida, "id non valido");
    return r;
  }
  r.g = m.contains("id") ? genere::richiesta : genere::notifica;
  r.metodo = m["method"].get<std::string>();
  if (r.g == genere::richiesta) r.id = std::move(m["id"]);
  r.parametri = m.contains("params") ? std::move(m["params"]) : json::object();
  return r;
}

json messaggio_risposta(const json& id, json risultato) {
  return {{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(risultato)}};
}

json messaggio_errore(const json& id, const errore_lsp& e) {
  return {{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", e.codice()}, {"message", e.what()}}}};
}

json messaggio_notifica(std::string_view metodo, json parametri) {
  return {{"jsonrpc", "2.0"}, {"method", metodo}, {"params", std::move(parametri)}};
}

void scrivi_messaggio(std::ostream& out, const json& m) {
  scrivi_cornice(out, m.dump(-1, ' ', false, json::error_handler_t::replace));
}

json posizione_json(const posizione_lsp& p) { return {{"line", p.riga}, {"character", p.carattere}}; }

json intervallo_json(const intervallo_lsp& r) {
  return {{"start", posizione_json(r.inizio)}, {"end", posizione_json(r.fine)}};
}

intervallo_lsp intervallo_di(const documento& d, std::size_t da, std::size_t a) {
  return {d.posizione_di(da), d.posizione_di(a)};
}

json intervallo_json(const documento& d, std::size_t da, std::size_t a) {
  return intervallo_json(intervallo_di(d, da, a));
}

posizione_lsp posizione_da_json(const json& j) {
  const std::int64_t riga = j.at("line").get<std::int64_t>(), carattere = j.at("character").get<std::int64_t>();
  if (riga < 0 || carattere < 0) throw errore_lsp(codice_errore::parametri_non_validi, "posizione negativa");
  return {static_cast<std::size_t>(riga), static_cast<std::size_t>(carattere)};
}

intervallo_lsp intervallo_da_json(const json& j) {
  return {posizione_da_json(j.at("start")), posizione_da_json(j.at("end"))};
}

json testo_markdown(std::string testo) { return {{"kind", formato_markdown}, {"value", std::move(testo)}}; }
json testo_marcato(std::string testo, bool markdown) {
  return {{"kind", markdown ? formato_markdown : formato_semplice}, {"value", std::move(testo)}};
}

json modifica_testo(json intervallo, std::string nuovo) {
  return {{"range", std::move(intervallo)}, {"newText", std::move(nuovo)}};
}

json diagnostica_json(const intervallo_lsp& r, gravita_diagnostica g, json codice, std::string messaggio) {
  return {{"range", intervallo_json(r)},
          {"severity", g},
          {"source", sorgente_diagnostiche},
          {"code", std::move(codice)},
          {"message", std::move(messaggio)}};
}

json messaggio_diagnostiche(const std::string& uri, std::optional<std::int64_t> versione, json diagnostiche) {
  json parametri = {{"uri", uri}, {"diagnostics", std::move(diagnostiche)}};
  if (versione) parametri["version"] = *versione;
  return messaggio_notifica("textDocument/publishDiagnostics", std::move(parametri));
}

json messaggio_log(tipo_messaggio tipo, std::string testo) {
  return messaggio_notifica("window/logMessage", {{"type", tipo}, {"message", std::move(testo)}});
}
