#include "scenario/lsp/server_lsp.h"

#include <algorithm>

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "model/form1.h"
#include "scenario/lsp/azioni_rapide.h"
#include "scenario/lsp/completamento.h"
#include "scenario/lsp/diagnostiche_lsp.h"
#include "scenario/lsp/formattazione.h"
#include "scenario/lsp/informazioni.h"
#include "scenario/lsp/nomi_sorgente.h"
#include "scenario/lsp/pieghe.h"
#include "scenario/lsp/simboli.h"
#include "scenario/lsp/suggerimenti.h"
#include "scenario/testo/da_1252.h"

using json = nlohmann::json;

// Every method the server knows. The rest: a request is refused as unknown,
// a notification ("initialized", "$/...") needs nothing.
const metodo_lsp server_lsp::metodi_[] = {
    richiesta("initialize", &server_lsp::inizializza, fase_metodo::sempre),
    richiesta("shutdown", &server_lsp::spegni),
    notifica("exit", &server_lsp::esci, fase_metodo::sempre),
    notifica("textDocument/didOpen", &server_lsp::apri),
    notifica("textDocument/didChange", &server_lsp::cambia),
    notifica("textDocument/didSave", &server_lsp::salva),
    notifica("textDocument/didClose", &server_lsp::chiudi),
    richiesta("textDocument/hover", &server_lsp::hover),
    richiesta("textDocument/completion", &server_lsp::completa),
    richiesta("textDocument/documentSymbol", &server_lsp::simboli),
    richiesta("textDocument/codeAction", &server_lsp::azioni),
    richiesta("textDocument/inlayHint", &server_lsp::suggerisci),
    richiesta("textDocument/foldingRange", &server_lsp::piega),
    richiesta("textDocument/formatting", &server_lsp::formatta),
    richiesta("textDocument/definition", &server_lsp::definizione),
    richiesta("textDocument/references", &server_lsp::riferimenti),
    richiesta("workspace/symbol", &server_lsp::simboli_spazio),
};

namespace {
bool stessa(const diagnostica& a, const diagnostica& b) {
  return a.riga == b.riga && a.colonna == b.colonna && a.codice == b.codice && a.messaggio == b.messaggio &&
         a.con_posizione == b.con_posizione;
}
}  // namespace

void server_lsp::invia(const json& m) { scrivi_messaggio(out_, m); }

// --- Dispatch.

void server_lsp::ricevi(const cornice_letta& c) {
  if (c.s.ok())
    ricevi(c.corpo);
  else
    invia(messaggio_errore(nullptr, errore_lsp(codice_errore::sintassi, c.s.messaggio())));
}

void server_lsp::ricevi(std::string_view corpo) {
  using genere = messaggio_ricevuto::genere;
  const messaggio_ricevuto m = leggi_messaggio(corpo);
  switch (m.g) {
    case genere::guasto:
      return invia(messaggio_errore(m.id, *m.guasto));
    case genere::risposta:  // to a request of the server's: it makes none
      return;
    case genere::richiesta:
      return esegui_richiesta(trova_metodo(metodi_, m.metodo, genere_metodo::richiesta), m);
    case genere::notifica:
      return esegui_notifica(trova_metodo(metodi_, m.metodo, genere_metodo::notifica), m);
  }
}

std::optional<errore_lsp> server_lsp::fuori_servizio() const {
  if (!iniziato_) return errore_lsp(codice_errore::non_iniziato, "il server non ha ancora ricevuto initialize");
  if (chiuso_)
    return errore_lsp(codice_errore::richiesta_non_valida, "il server \xC3\xA8 gi\xC3\xA0 stato chiuso (shutdown)");
  return std::nullopt;
}

void server_lsp::esegui_richiesta(const metodo_lsp* metodo, const messaggio_ricevuto& m) {
  json risposta;
  try {
    if (!metodo || metodo->quando == fase_metodo::in_servizio)
      if (std::optional<errore_lsp> e = fuori_servizio()) throw *e;
    if (!metodo) throw errore_lsp(codice_errore::metodo_sconosciuto, "metodo sconosciuto: " + m.metodo);
    risposta = messaggio_risposta(m.id, (this->*metodo->richiesta)(m.parametri));
  } catch (const json::exception& e) {
    risposta = messaggio_errore(
        m.id, errore_lsp(codice_errore::parametri_non_validi, std::string("parametri non validi: ") + e.what()));
  } catch (const errore_lsp& e) {
    risposta = messaggio_errore(m.id, e);
  } catch (const std::exception& e) {
    risposta = messaggio_errore(m.id, errore_lsp(codice_errore::interno, e.what()));
  }
  invia(risposta);
}

void server_lsp::esegui_notifica(const metodo_lsp* metodo, const messaggio_ricevuto& m) {
  if (!metodo || (metodo->quando == fase_metodo::in_servizio && fuori_servizio())) return;
  try {
    (this->*metodo->notifica)(m.parametri);
  } catch (const std::exception& e) {
    // A notification has no answer: the fault goes to the editor's log.
    invia(messaggio_log(tipo_messaggio::errore, "scenario lsp: " + m.metodo + ": " + e.what()));
  }
}

// --- The lifetime of the server.

json server_lsp::inizializza(const json& parametri) {
  if (iniziato_) throw errore_lsp(codice_errore::richiesta_non_valida, "initialize \xC3\xA8 gi\xC3\xA0 stato ricevuto");
  if (!parametri.is_object())
    throw errore_lsp(codice_errore::parametri_non_validi, "parametri di initialize non validi");
  cliente_ = leggi_capacita(parametri);
  iniziato_ = true;
  return {
      {"capabilities",
       {{"positionEncoding", codifica_posizioni},
        {"textDocumentSync",
         {{"openClose", true}, {"change", sincronizzazione_testo::incrementale}, {"save", {{"includeText", false}}}}},
        {"hoverProvider", true},
        {"completionProvider", {{"triggerCharacters", json::array()}, {"resolveProvider", false}}},
        {"documentSymbolProvider", true},
        {"codeActionProvider", {{"codeActionKinds", {correzione_rapida}}}},
        {"inlayHintProvider", true},
        {"foldingRangeProvider", true},
        {"documentFormattingProvider", true},
        {"definitionProvider", true},
        {"referencesProvider", true},
        {"workspaceSymbolProvider", true}}},
      {"serverInfo", {{"name", "scenario"}, {"version", versione_}}}};
}

json server_lsp::spegni(const json&) {
  chiuso_ = true;
  return nullptr;
}

void server_lsp::esci(const json&) { uscito_ = true; }

// --- The documents.

const documento& server_lsp::documento_di(const json& parametri) const {
  const std::string uri = parametri.at("textDocument").at("uri").get<std::string>();
  const auto d = documenti_.find(uri);
  if (d == documenti_.end()) throw errore_lsp(codice_errore::parametri_non_validi, "documento non aperto: " + uri);
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
  if (it == documenti_.end())
    throw errore_lsp(codice_errore::parametri_non_validi, "didChange di un documento non aperto: " + uri);
  const std::int64_t versione = parametri.at("textDocument").at("version").get<std::int64_t>();
  for (const json& c : parametri.at("contentChanges")) {
    if (c.contains("range"))
      it->second.modifica(versione, intervallo_da_json(c.at("range")), c.at("text").get<std::string>());
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
  invia(messaggio_diagnostiche(uri, std::nullopt, json::array()));
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

std::vector<std::string> server_lsp::aperti(const std::string& cartella, const std::string& nome) const {
  std::vector<std::string> v;
  for (const auto& [uri, d] : documenti_) {
    const uri_diviso u = dividi_uri(uri);
    if (u.cartella == cartella && u.nome == nome) v.push_back(uri);
  }
  return v;
}

bool server_lsp::testo_di(const std::string& cartella, const std::string& nome, std::string& byte) const {
  auto d = documenti_.find(uri_di(cartella, nome));
  if (d == documenti_.end())
    if (const std::vector<std::string> v = aperti(cartella, nome); !v.empty()) d = documenti_.find(v.front());
  if (d != documenti_.end()) {
    byte = d->second.byte();
    return true;
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
  std::vector<avviso_codifica> v = avvisi_codifica(d, &disco, cliente_.editor);
  std::erase_if(v, [](const avviso_codifica& a) { return a.codice != "utf8-su-disco"; });
  if (!v.empty()) utf8_su_disco_[d.uri()] = std::move(v);
}

namespace {
// The first item of a line (1-based) of a file's bytes, in UTF-8: a record's keyword.
std::string parola_della_riga(const std::string& byte, std::size_t riga) {
  std::size_t i = 0;
  for (std::size_t r = 1; r < riga && i != std::string::npos; ++r) {
    i = byte.find('\n', i);
    if (i != std::string::npos) ++i;
  }
  if (i == std::string::npos || i >= byte.size()) return "";
  const std::size_t fine = std::min(byte.find_first_of(",\r\n", i), byte.size());
  const std::size_t a = byte.find_first_not_of(" \t", i);
  if (a >= fine) return "";
  const std::size_t b = byte.find_last_not_of(" \t", fine - 1);
  return utf8_da_1252(byte.substr(a, b + 1 - a));
}
}  // namespace

// --- The checks.

void server_lsp::lavora() {
  lavoro l = raccogli_lavoro();
  da_controllare_.clear();
  // A line file checked again: its earlier pairs go, some train may be gone.
  for (const gruppo_sorgenti& g : l.gruppi_rifatti) dimentica(g);
  for (const coppia_sorgenti& c : l.coppie) controlla(c, l.da_pubblicare);
  std::sort(l.da_pubblicare.begin(), l.da_pubblicare.end());
  l.da_pubblicare.erase(std::unique(l.da_pubblicare.begin(), l.da_pubblicare.end()), l.da_pubblicare.end());
  for (const std::string& uri : l.da_pubblicare) pubblica(documenti_.at(uri));
}

// The pairs to check: each pending train file's, and every pair of a pending line file's route.
server_lsp::lavoro server_lsp::raccogli_lavoro() const {
  lavoro l;
  for (const std::string& uri : da_controllare_) {
    if (!documenti_.count(uri)) continue;
    l.da_pubblicare.push_back(uri);
    const uri_diviso u = dividi_uri(uri);
    const nome_sorgente n = riconosci(u);
    const gruppo_sorgenti g{u.cartella, n.percorso};
    if (n.r == nome_sorgente::ruolo::treno) {
      l.coppie.insert({g, n.treno});
    } else if (n.r == nome_sorgente::ruolo::linea) {
      l.gruppi_rifatti.insert(g);
      for (const std::string& t : treni_di(g)) l.coppie.insert({g, t});
    }
  }
  return l;
}

std::set<std::string> server_lsp::treni_di(const gruppo_sorgenti& g) const {
  std::set<std::string> treni;
  auto del_gruppo = [&](const nome_sorgente& m) {
    if (m.r == nome_sorgente::ruolo::treno && m.percorso == g.percorso) treni.insert(m.treno);
  };
  for (const auto& [uri, d] : documenti_)
    if (const uri_diviso v = dividi_uri(uri); v.cartella == g.cartella) del_gruppo(riconosci(v));
  if (const std::string p = percorso_da_uri(g.cartella); !p.empty()) {
    std::vector<std::string> elenco = cartella_disco(percorso_utf8(p)).elenco();
    // The route's line file, open, maybe not saved yet.
    elenco.push_back(g.percorso + "_linea.txt");
    for (const std::string& nome : elenco) del_gruppo(riconosci_nome(nome, elenco));
  }
  if (treni.empty()) treni.insert("");
  return treni;
}

void server_lsp::dimentica(const gruppo_sorgenti& g) {
  auto it = esiti_.lower_bound({g, ""});
  while (it != esiti_.end() && it->first.gruppo == g) it = esiti_.erase(it);
}

void server_lsp::controlla(const coppia_sorgenti& c, std::vector<std::string>& da_pubblicare) {
  const std::string& cartella = c.gruppo.cartella;
  Form1 nomi;
  nomi.nome_percorso = c.gruppo.percorso;
  nomi.numero_treno = c.treno;
  std::string linea_byte, treno_byte;
  const bool linea_c = testo_di(cartella, file_linea(nomi), linea_byte);
  const bool treno_c = !c.treno.empty() && testo_di(cartella, file_treno(nomi), treno_byte);
  esiti_[c] =
      controlla_coppia(c.gruppo.percorso, c.treno, linea_c ? &linea_byte : nullptr, treno_c ? &treno_byte : nullptr);
  // The line checked with a train no longer stands alone.
  if (!c.treno.empty()) esiti_.erase({c.gruppo, ""});
  // Each open file of the pair is published again.
  for (const std::string& nome : {file_linea(nomi), file_treno(nomi)})
    for (const std::string& uri : aperti(cartella, nome)) da_pubblicare.push_back(uri);
}

std::vector<diagnostica> server_lsp::diagnostiche_di(const gruppo_sorgenti& g, const std::string& nome) const {
  std::vector<diagnostica> mie;
  for (auto it = esiti_.lower_bound({g, ""}); it != esiti_.end() && it->first.gruppo == g; ++it)
    for (const diagnostica& x : it->second)
      if (x.file == nome && std::none_of(mie.begin(), mie.end(), [&](const diagnostica& y) { return stessa(x, y); }))
        mie.push_back(x);
  return mie;
}

void server_lsp::pubblica(const documento& d) {
  const uri_diviso u = dividi_uri(d.uri());
  const nome_sorgente n = riconosci(u);
  const trova_luogo luogo = [&](const std::string& nome, std::size_t riga,
                                std::size_t colonna) -> std::optional<std::pair<std::string, intervallo_lsp>> {
    if (const std::vector<std::string> v = aperti(u.cartella, nome); !v.empty()) {
      const documento& aperto = documenti_.at(v.front());
      return std::make_pair(v.front(), intervallo_voce(aperto, struttura_di(aperto), riga, colonna));
    }
    // A file not open: its bytes are its characters.
    const std::size_t r = riga ? riga - 1 : 0, c = colonna ? colonna - 1 : 0;
    return std::make_pair(uri_di(u.cartella, nome), intervallo_lsp{{r, c}, {r, c}});
  };
  const trova_parola parola = [&](const std::string& nome, std::size_t riga) {
    std::string byte;
    return testo_di(u.cartella, nome, byte) ? parola_della_riga(byte, riga) : std::string();
  };
  json diagnostiche = json::array();
  if (n.r == nome_sorgente::ruolo::nessuno) {
    diagnostica x;
    x.avviso = true;
    x.codice = "nome-file";
    x.messaggio = "il nome del file non \xC3\xA8 ROUTE_linea.txt n\xC3\xA9 ROUTE_TRENO-.txt: nessun controllo";
    diagnostiche.push_back(diagnostica_in_json(x, luogo, cliente_.informazioni_collegate, parola));
  }
  std::vector<avviso_codifica> codifica = avvisi_codifica(d, nullptr, cliente_.editor);
  if (const auto it = utf8_su_disco_.find(d.uri()); it != utf8_su_disco_.end())
    codifica.insert(codifica.end(), it->second.begin(), it->second.end());
  for (const avviso_codifica& a : codifica) {
    const std::size_t fine = std::min(a.offset + 1, d.byte().size());
    diagnostiche.push_back(
        diagnostica_json(intervallo_di(d, a.offset, fine), gravita_diagnostica::avviso, a.codice, a.messaggio));
  }
  if (n.r != nome_sorgente::ruolo::nessuno)
    for (const diagnostica& x : diagnostiche_di({u.cartella, n.percorso}, u.nome))
      diagnostiche.push_back(diagnostica_in_json(x, luogo, cliente_.informazioni_collegate, parola));
  invia(messaggio_diagnostiche(d.uri(), d.versione(), std::move(diagnostiche)));
}

// --- The features.

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
  const std::size_t offset = d.offset_di(posizione_da_json(parametri.at("position")));
  const std::optional<informazione> i = informazione_a(struttura_di(d), offset, serie_per(d), cliente_.hover_markdown);
  if (!i) return nullptr;
  return {{"contents", testo_marcato(i->testo, cliente_.hover_markdown)},
          {"range", intervallo_json(d, i->inizio, i->fine)}};
}

json server_lsp::completa(const json& parametri) {
  const documento& d = documento_di(parametri);
  const std::size_t offset = d.offset_di(posizione_da_json(parametri.at("position")));
  const nome_sorgente n = riconosci(dividi_uri(d.uri()));
  json voci = json::array();
  if (n.r != nome_sorgente::ruolo::nessuno) {
    const completamento c = ::completa(d.byte(), struttura_di(d), n.r == nome_sorgente::ruolo::treno, offset);
    for (const proposta& p : c.proposte) {
      // Without snippets the fields would go in as text: the label names them.
      const bool f = cliente_.frammenti;
      json v = {{"label", f ? p.etichetta : p.etichetta_campi},
                {"filterText", p.etichetta},
                {"kind", tipo_proposta::parola_chiave},
                {"insertTextFormat", f ? formato_inserimento::frammento : formato_inserimento::testo},
                {"textEdit", modifica_testo(intervallo_json(d, c.inizio, offset), f ? p.frammento : p.semplice)}};
      if (p.forma) {
        v["detail"] = std::string(p.forma->descrizione);
        v["documentation"] = testo_markdown("Esempio: `" + std::string(p.forma->esempio) + "`");
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
  const intervallo_lsp r = intervallo_da_json(parametri.at("range"));
  const std::size_t da = d.offset_di(r.inizio), a = d.offset_di(r.fine);
  json risultato = json::array();
  for (const correzione& c : correzioni(d.byte(), struttura_di(d), std::min(da, a), std::max(da, a))) {
    const json intervallo = intervallo_json(d, c.inizio, c.fine);
    // The editor's diagnostics this fix answers: those of the item's range.
    json legate = json::array();
    if (parametri.contains("context") && parametri["context"].contains("diagnostics"))
      for (const json& x : parametri["context"]["diagnostics"])
        if (x.contains("range") && x["range"] == intervallo) legate.push_back(x);
    risultato.push_back({{"title", c.titolo},
                         {"kind", correzione_rapida},
                         {"isPreferred", true},
                         {"diagnostics", std::move(legate)},
                         {"edit", {{"changes", {{d.uri(), {modifica_testo(intervallo, c.testo)}}}}}}});
  }
  return risultato;
}

json server_lsp::suggerisci(const json& parametri) {
  const documento& d = documento_di(parametri);
  const intervallo_lsp r = intervallo_da_json(parametri.at("range"));
  const std::size_t da = d.offset_di(r.inizio), a = d.offset_di(r.fine);
  return suggerimenti_documento(d, struttura_di(d), serie_per(d), std::min(da, a), std::max(da, a));
}

json server_lsp::piega(const json& parametri) {
  const documento& d = documento_di(parametri);
  return pieghe_documento(d, struttura_di(d));
}

json server_lsp::formatta(const json& parametri) {
  const documento& d = documento_di(parametri);
  return modifiche_allineamento(d, struttura_di(d));
}
