#include "scenario/lsp/server_lsp.h"

#include <algorithm>
#include <stdexcept>

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "model/form1.h"
#include "scenario/lsp/azioni_rapide.h"
#include "scenario/lsp/completamento.h"
#include "scenario/lsp/cornice.h"
#include "scenario/lsp/diagnostiche_lsp.h"
#include "scenario/lsp/informazioni.h"
#include "scenario/lsp/nomi_sorgente.h"
#include "scenario/lsp/simboli.h"

using json = nlohmann::json;

namespace {
// Error codes of JSON-RPC and of the protocol.
constexpr int errore_sintassi = -32700, richiesta_non_valida = -32600, metodo_sconosciuto = -32601,
              parametri_non_validi = -32602, errore_interno = -32603, non_iniziato = -32002;

// Parameters the server cannot use: answered with parametri_non_validi.
struct parametri_errati : std::runtime_error {
  using std::runtime_error::runtime_error;
};

json posizione_json(const posizione_lsp& p) { return {{"line", p.riga}, {"character", p.carattere}}; }
json intervallo_json(const documento& d, std::size_t da, std::size_t a) {
  return {{"start", posizione_json(d.posizione_di(da))}, {"end", posizione_json(d.posizione_di(a))}};
}

posizione_lsp posizione_da(const json& j) {
  const std::int64_t riga = j.at("line").get<std::int64_t>(), carattere = j.at("character").get<std::int64_t>();
  if (riga < 0 || carattere < 0) throw parametri_errati("posizione negativa");
  return {static_cast<std::size_t>(riga), static_cast<std::size_t>(carattere)};
}
intervallo_lsp intervallo_da(const json& j) { return {posizione_da(j.at("start")), posizione_da(j.at("end"))}; }

std::string chiave_coppia(const std::string& cartella, const std::string& percorso, const std::string& treno) {
  return cartella + '\n' + percorso + '\n' + treno;
}
std::string chiave_gruppo(const std::string& cartella, const std::string& percorso) {
  return cartella + '\n' + percorso + '\n';
}

bool stessa(const diagnostica& a, const diagnostica& b) {
  return a.riga == b.riga && a.colonna == b.colonna && a.codice == b.codice && a.messaggio == b.messaggio &&
         a.con_posizione == b.con_posizione;
}

}  // namespace

void server_lsp::invia(const json& j) { scrivi_cornice(out_, j.dump(-1, ' ', false, json::error_handler_t::replace)); }

void server_lsp::rispondi(const json& id, json risultato) {
  invia({{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(risultato)}});
}

void server_lsp::rispondi_errore(const json& id, int codice, const std::string& messaggio) {
  invia({{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", codice}, {"message", messaggio}}}});
}

void server_lsp::guasto_cornice(const std::string& perche) { rispondi_errore(nullptr, errore_sintassi, perche); }

void server_lsp::ricevi(std::string_view corpo) {
  json m = json::parse(corpo.begin(), corpo.end(), nullptr, false);
  if (m.is_discarded()) {
    rispondi_errore(nullptr, errore_sintassi, "messaggio che non \xC3\xA8 JSON valido");
    return;
  }
  if (!m.is_object() || !m.contains("method") || !m["method"].is_string()) {
    // An answer to a request of ours (we make none) or no message at all.
    if (m.is_object() && (m.contains("result") || m.contains("error"))) return;
    const json id =
        m.is_object() && m.contains("id") && (m["id"].is_number() || m["id"].is_string()) ? m["id"] : json();
    rispondi_errore(id, richiesta_non_valida, "richiesta senza metodo");
    return;
  }
  const std::string metodo = m["method"].get<std::string>();
  const json parametri = m.contains("params") ? m["params"] : json::object();
  const bool con_id = m.contains("id");
  if (con_id && !(m["id"].is_number_integer() || m["id"].is_string())) {
    rispondi_errore(nullptr, richiesta_non_valida, "id non valido");
    return;
  }
  if (con_id)
    richiesta(metodo, m["id"], parametri);
  else
    notifica(metodo, parametri);
}

void server_lsp::richiesta(const std::string& metodo, const json& id, const json& parametri) {
  if (metodo == "initialize") {
    if (iniziato_) return rispondi_errore(id, richiesta_non_valida, "initialize \xC3\xA8 gi\xC3\xA0 stato ricevuto");
    try {
      rispondi(id, inizializza(parametri));
    } catch (const std::exception& e) {
      rispondi_errore(id, parametri_non_validi, e.what());
    }
    return;
  }
  if (!iniziato_) return rispondi_errore(id, non_iniziato, "il server non ha ancora ricevuto initialize");
  if (chiuso_)
    return rispondi_errore(id, richiesta_non_valida, "il server \xC3\xA8 gi\xC3\xA0 stato chiuso (shutdown)");
  try {
    if (metodo == "shutdown") {
      chiuso_ = true;
      rispondi(id, nullptr);
    } else if (metodo == "textDocument/hover") {
      rispondi(id, hover(parametri));
    } else if (metodo == "textDocument/completion") {
      rispondi(id, completa(parametri));
    } else if (metodo == "textDocument/documentSymbol") {
      rispondi(id, simboli(parametri));
    } else if (metodo == "textDocument/codeAction") {
      rispondi(id, azioni(parametri));
    } else {
      rispondi_errore(id, metodo_sconosciuto, "metodo sconosciuto: " + metodo);
    }
  } catch (const json::exception& e) {
    rispondi_errore(id, parametri_non_validi, std::string("parametri non validi: ") + e.what());
  } catch (const parametri_errati& e) {
    rispondi_errore(id, parametri_non_validi, e.what());
  } catch (const std::exception& e) {
    rispondi_errore(id, errore_interno, e.what());
  }
}

void server_lsp::notifica(const std::string& metodo, const json& parametri) {
  if (metodo == "exit") {
    uscito_ = true;
    return;
  }
  if (!iniziato_ || chiuso_) return;
  try {
    if (metodo == "textDocument/didOpen")
      apri(parametri);
    else if (metodo == "textDocument/didChange")
      cambia(parametri);
    else if (metodo == "textDocument/didSave")
      salva(parametri);
    else if (metodo == "textDocument/didClose")
      chiudi(parametri);
    // Other notifications ("initialized", "$/...") need nothing.
  } catch (const std::exception& e) {
    // A notification has no answer: the fault goes to the editor's log.
    invia({{"jsonrpc", "2.0"},
           {"method", "window/logMessage"},
           {"params", {{"type", 1}, {"message", "scenario lsp: " + metodo + ": " + e.what()}}}});
  }
}

json server_lsp::inizializza(const json& parametri) {
  if (!parametri.is_object()) throw parametri_errati("parametri di initialize non validi");
  if (parametri.contains("clientInfo") && parametri["clientInfo"].is_object() &&
      parametri["clientInfo"].contains("name") && parametri["clientInfo"]["name"].is_string())
    editor_ = parametri["clientInfo"]["name"].get<std::string>();
  iniziato_ = true;
  return {{"capabilities",
           {{"positionEncoding", "utf-16"},
            {"textDocumentSync", {{"openClose", true}, {"change", 2}, {"save", {{"includeText", false}}}}},
            {"hoverProvider", true},
            {"completionProvider", {{"triggerCharacters", json::array()}, {"resolveProvider", false}}},
            {"documentSymbolProvider", true},
            {"codeActionProvider", {{"codeActionKinds", {"quickfix"}}}}}},
          {"serverInfo", {{"name", "scenario"}, {"version", versione_}}}};
}

const documento& server_lsp::documento_di(const json& parametri) const {
  const std::string uri = parametri.at("textDocument").at("uri").get<std::string>();
  const auto d = documenti_.find(uri);
  if (d == documenti_.end()) throw parametri_errati("documento non aperto: " + uri);
  return d->second;
}

void server_lsp::apri(const json& parametri) {
  const json& t = parametri.at("textDocument");
  const std::string uri = t.at("uri").get<std::string>();
  documenti_.erase(uri);
  const documento& d =
      documenti_.try_emplace(uri, uri, t.at("version").get<std::int64_t>(), t.at("text").get<std::string>())
          .first->second;
  controlla_utf8_su_disco(d);
  segna_gruppo(uri);
}

void server_lsp::cambia(const json& parametri) {
  const std::string uri = parametri.at("textDocument").at("uri").get<std::string>();
  const auto it = documenti_.find(uri);
  if (it == documenti_.end()) throw parametri_errati("didChange di un documento non aperto: " + uri);
  const std::int64_t versione = parametri.at("textDocument").at("version").get<std::int64_t>();
  for (const json& c : parametri.at("contentChanges")) {
    if (c.contains("range"))
      it->second.modifica(versione, intervallo_da(c.at("range")), c.at("text").get<std::string>());
    else
      it->second.sostituisci(versione, c.at("text").get<std::string>());
  }
  segna_gruppo(uri);
}

void server_lsp::salva(const json& parametri) {
  const documento& d = documento_di(parametri);
  controlla_utf8_su_disco(d);
  segna_gruppo(d.uri());
}

void server_lsp::chiudi(const json& parametri) {
  const std::string uri = parametri.at("textDocument").at("uri").get<std::string>();
  if (documenti_.erase(uri) == 0) return;
  strutture_.erase(uri);
  utf8_su_disco_.erase(uri);
  da_controllare_.erase(uri);
  invia({{"jsonrpc", "2.0"},
         {"method", "textDocument/publishDiagnostics"},
         {"params", {{"uri", uri}, {"diagnostics", json::array()}}}});
  // Its partners now read it from the disk.
  segna_gruppo(uri);
}

nome_sorgente server_lsp::riconosci(const uri_diviso& u) const {
  std::vector<std::string> aperti;
  for (const auto& [uri, d] : documenti_) aperti.push_back(uri);
  return riconosci_documento(u, aperti);
}

void server_lsp::segna_gruppo(const std::string& uri) {
  const uri_diviso u = dividi_uri(uri);
  const nome_sorgente n = riconosci(u);
  if (documenti_.count(uri)) da_controllare_.insert(uri);
  if (n.r == nome_sorgente::ruolo::nessuno) return;
  for (const auto& [altro, d] : documenti_) {
    const uri_diviso v = dividi_uri(altro);
    if (v.cartella == u.cartella && riconosci(v).percorso == n.percorso &&
        riconosci(v).r != nome_sorgente::ruolo::nessuno)
      da_controllare_.insert(altro);
  }
}

bool server_lsp::testo_di(const std::string& cartella, const std::string& nome, std::string& byte) const {
  const auto d = documenti_.find(uri_di(cartella, nome));
  if (d != documenti_.end()) {
    byte = d->second.byte();
    return true;
  }
  for (const auto& [uri, doc] : documenti_) {
    const uri_diviso u = dividi_uri(uri);
    if (u.cartella == cartella && u.nome == nome) {
      byte = doc.byte();
      return true;
    }
  }
  const std::string percorso = percorso_da_uri(cartella);
  if (percorso.empty()) return false;
  const cartella_disco disco(percorso_utf8(percorso));
  return disco.leggi(nome, byte).ok();
}

void server_lsp::controlla_utf8_su_disco(const documento& d) {
  utf8_su_disco_.erase(d.uri());
  const uri_diviso u = dividi_uri(d.uri());
  const std::string percorso = percorso_da_uri(u.cartella);
  if (percorso.empty()) return;
  std::string disco;
  if (!cartella_disco(percorso_utf8(percorso)).leggi(u.nome, disco).ok()) return;
  std::vector<avviso_codifica> v = avvisi_codifica(d, &disco, editor_);
  std::erase_if(v, [](const avviso_codifica& a) { return a.codice != "utf8-su-disco"; });
  if (!v.empty()) utf8_su_disco_[d.uri()] = std::move(v);
}

void server_lsp::lavora() {
  // The pairs to check: each pending train file's, and every pair of a pending line file's route.
  std::map<std::string, std::tuple<std::string, std::string, std::string>> coppie;
  std::set<std::string> gruppi_rifatti;
  std::vector<std::string> da_pubblicare;
  for (const std::string& uri : da_controllare_) {
    if (!documenti_.count(uri)) continue;
    da_pubblicare.push_back(uri);
    const uri_diviso u = dividi_uri(uri);
    const nome_sorgente n = riconosci(u);
    if (n.r == nome_sorgente::ruolo::treno) {
      coppie[chiave_coppia(u.cartella, n.percorso, n.treno)] = {u.cartella, n.percorso, n.treno};
    } else if (n.r == nome_sorgente::ruolo::linea) {
      gruppi_rifatti.insert(chiave_gruppo(u.cartella, n.percorso));
      std::set<std::string> treni;
      for (const auto& [altro, d] : documenti_) {
        const uri_diviso v = dividi_uri(altro);
        const nome_sorgente m = riconosci(v);
        if (v.cartella == u.cartella && m.r == nome_sorgente::ruolo::treno && m.percorso == n.percorso)
          treni.insert(m.treno);
      }
      if (const std::string p = percorso_da_uri(u.cartella); !p.empty()) {
        const cartella_disco disco(percorso_utf8(p));
        std::vector<std::string> elenco = disco.elenco();
        elenco.push_back(u.nome);  // the line file, open, maybe not saved yet
        for (const std::string& nome : elenco) {
          const nome_sorgente m = riconosci_nome(nome, elenco);
          if (m.r == nome_sorgente::ruolo::treno && m.percorso == n.percorso) treni.insert(m.treno);
        }
      }
      if (treni.empty()) treni.insert("");
      for (const std::string& t : treni) coppie[chiave_coppia(u.cartella, n.percorso, t)] = {u.cartella, n.percorso, t};
    }
  }
  da_controllare_.clear();
  // A line file checked again: its earlier pairs go, some train may be gone.
  for (auto it = esiti_.begin(); it != esiti_.end();) {
    const std::string gruppo = it->first.substr(0, it->first.rfind('\n') + 1);
    it = gruppi_rifatti.count(gruppo) ? esiti_.erase(it) : std::next(it);
  }
  for (const auto& [chiave, c] : coppie) {
    const auto& [cartella, percorso, treno] = c;
    std::string linea_byte, treno_byte;
    Form1 nomi;
    nomi.nome_percorso = percorso;
    nomi.numero_treno = treno;
    const bool linea_c = testo_di(cartella, file_linea(nomi), linea_byte);
    const bool treno_c = !treno.empty() && testo_di(cartella, file_treno(nomi), treno_byte);
    esiti_[chiave] =
        controlla_coppia(percorso, treno, linea_c ? &linea_byte : nullptr, treno_c ? &treno_byte : nullptr);
    if (!treno.empty()) esiti_.erase(chiave_coppia(cartella, percorso, ""));
    // Each open file of the pair is published again.
    for (const std::string& nome : {file_linea(nomi), file_treno(nomi)})
      for (const auto& [uri, d] : documenti_) {
        const uri_diviso u = dividi_uri(uri);
        if (u.cartella == cartella && u.nome == nome) da_pubblicare.push_back(uri);
      }
  }
  std::sort(da_pubblicare.begin(), da_pubblicare.end());
  da_pubblicare.erase(std::unique(da_pubblicare.begin(), da_pubblicare.end()), da_pubblicare.end());
  for (const std::string& uri : da_pubblicare) pubblica(documenti_.at(uri));
}

void server_lsp::pubblica(const documento& d) {
  const uri_diviso u = dividi_uri(d.uri());
  const nome_sorgente n = riconosci(u);
  std::vector<diagnostica> mie;
  if (n.r != nome_sorgente::ruolo::nessuno) {
    const std::string gruppo = chiave_gruppo(u.cartella, n.percorso);
    for (const auto& [chiave, v] : esiti_) {
      if (!chiave.starts_with(gruppo) || chiave.find('\n', gruppo.size()) != std::string::npos) continue;
      for (const diagnostica& x : v)
        if (x.file == u.nome &&
            std::none_of(mie.begin(), mie.end(), [&](const diagnostica& y) { return stessa(x, y); }))
          mie.push_back(x);
    }
  }
  const trova_luogo luogo = [&](const std::string& nome, std::size_t riga,
                                std::size_t colonna) -> std::optional<std::pair<std::string, intervallo_lsp>> {
    for (const auto& [uri, doc] : documenti_) {
      const uri_diviso v = dividi_uri(uri);
      if (v.cartella == u.cartella && v.nome == nome) return std::make_pair(uri, intervallo_voce(doc, riga, colonna));
    }
    // A file not open: its bytes are its characters.
    const std::size_t r = riga ? riga - 1 : 0, c = colonna ? colonna - 1 : 0;
    return std::make_pair(uri_di(u.cartella, nome), intervallo_lsp{{r, c}, {r, c}});
  };
  json diagnostiche = json::array();
  if (n.r == nome_sorgente::ruolo::nessuno) {
    diagnostica x;
    x.avviso = true;
    x.codice = "nome-file";
    x.messaggio = "il nome del file non \xC3\xA8 ROUTE_linea.txt n\xC3\xA9 ROUTE_TRENO-.txt: nessun controllo";
    diagnostiche.push_back(diagnostica_in_json(x, luogo));
  }
  std::vector<avviso_codifica> codifica = avvisi_codifica(d, nullptr, editor_);
  if (const auto it = utf8_su_disco_.find(d.uri()); it != utf8_su_disco_.end())
    codifica.insert(codifica.end(), it->second.begin(), it->second.end());
  for (const avviso_codifica& a : codifica) {
    const std::size_t fine = std::min(a.offset + 1, d.byte().size());
    diagnostiche.push_back({{"range", intervallo_json(d, a.offset, fine)},
                            {"severity", 2},
                            {"source", "scenario"},
                            {"code", a.codice},
                            {"message", a.messaggio}});
  }
  for (const diagnostica& x : mie) diagnostiche.push_back(diagnostica_in_json(x, luogo));
  invia({{"jsonrpc", "2.0"},
         {"method", "textDocument/publishDiagnostics"},
         {"params", {{"uri", d.uri()}, {"version", d.versione()}, {"diagnostics", std::move(diagnostiche)}}}});
}

const struttura_sorgente& server_lsp::struttura_di(const documento& d) {
  auto it = strutture_.find(d.uri());
  if (it == strutture_.end() || it->second.versione != d.versione()) {
    const bool treno = riconosci(dividi_uri(d.uri())).r == nome_sorgente::ruolo::treno;
    it = strutture_.insert_or_assign(d.uri(), struttura_versione{d.versione(), leggi_struttura(d.byte(), treno)}).first;
  }
  return it->second.s;
}

std::vector<serie_chilometrica> server_lsp::serie_per(const documento& d) {
  const uri_diviso u = dividi_uri(d.uri());
  const nome_sorgente n = riconosci(u);
  if (n.r == nome_sorgente::ruolo::linea) return serie_della_linea(struttura_di(d));
  if (n.r != nome_sorgente::ruolo::treno) return {};
  std::string linea;
  if (!testo_di(u.cartella, n.percorso + "_linea.txt", linea)) return {};
  return serie_della_linea(leggi_struttura(linea, false));
}

json server_lsp::hover(const json& parametri) {
  const documento& d = documento_di(parametri);
  const std::size_t offset = d.offset_di(posizione_da(parametri.at("position")));
  const std::optional<informazione> i = informazione_a(struttura_di(d), offset, serie_per(d));
  if (!i) return nullptr;
  return {{"contents", {{"kind", "markdown"}, {"value", i->testo}}}, {"range", intervallo_json(d, i->inizio, i->fine)}};
}

json server_lsp::completa(const json& parametri) {
  const documento& d = documento_di(parametri);
  const std::size_t offset = d.offset_di(posizione_da(parametri.at("position")));
  const nome_sorgente n = riconosci(dividi_uri(d.uri()));
  json voci = json::array();
  if (n.r != nome_sorgente::ruolo::nessuno) {
    const completamento c = ::completa(d.byte(), struttura_di(d), n.r == nome_sorgente::ruolo::treno, offset);
    for (const proposta& p : c.proposte) {
      json v = {{"label", p.etichetta},
                {"kind", 14},
                {"insertTextFormat", 2},
                {"textEdit", {{"range", intervallo_json(d, c.inizio, offset)}, {"newText", p.frammento}}}};
      if (p.forma) {
        v["detail"] = std::string(p.forma->descrizione);
        v["documentation"] = {{"kind", "markdown"}, {"value", "Esempio: `" + std::string(p.forma->esempio) + "`"}};
      }
      voci.push_back(std::move(v));
    }
  }
  return {{"isIncomplete", false}, {"items", std::move(voci)}};
}

json server_lsp::simboli(const json& parametri) {
  const documento& d = documento_di(parametri);
  return simboli_documento(d, struttura_di(d), serie_per(d));
}

json server_lsp::azioni(const json& parametri) {
  const documento& d = documento_di(parametri);
  const intervallo_lsp r = intervallo_da(parametri.at("range"));
  const std::size_t da = d.offset_di(r.inizio), a = d.offset_di(r.fine);
  json risultato = json::array();
  for (const correzione& c : correzioni(d.byte(), struttura_di(d), std::min(da, a), std::max(da, a))) {
    const json intervallo = intervallo_json(d, c.inizio, c.fine);
    json legate = json::array();
    if (parametri.contains("context") && parametri["context"].contains("diagnostics"))
      for (const json& x : parametri["context"]["diagnostics"])
        if (x.contains("range") && x["range"] == intervallo) legate.push_back(x);
    risultato.push_back({{"title", c.titolo},
                         {"kind", "quickfix"},
                         {"isPreferred", true},
                         {"diagnostics", std::move(legate)},
                         {"edit", {{"changes", {{d.uri(), {{{"range", intervallo}, {"newText", c.testo}}}}}}}}});
  }
  return risultato;
}
