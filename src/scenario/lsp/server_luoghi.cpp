// The server's methods between the files of a route: go to definition,
// references and workspace symbols (the rest of server_lsp in server_lsp.cpp).
#include <algorithm>
#include <cctype>
#include <set>

#include "base/nomi_file.h"
#include "model/form1.h"
#include "scenario/documenti_autore/tabella_documenti.h"
#include "scenario/lsp/definizioni.h"
#include "scenario/lsp/informazioni.h"
#include "scenario/lsp/server_lsp.h"
#include "scenario/testo/da_1252.h"

using json = nlohmann::json;

namespace {
constexpr std::size_t campo_nome_luogo = 16;  // of a station record

std::string maiuscolo(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

json luogo(const documento& d, std::size_t da, std::size_t a) {
  return {{"uri", d.uri()}, {"range", intervallo_json(d, da, a)}};
}

std::size_t fine_record(const record_struttura& r) { return r.campi.empty() ? r.fine : r.campi.back().fine; }
}  // namespace

bool server_lsp::leggi_file(const std::string& cartella, const std::string& nome, std::optional<bool> treno,
                            file_letto& f) {
  if (const std::vector<std::string> v = aperti(cartella, nome); !v.empty()) {
    f.d = &documenti_.at(v.front());
    if (treno) f.s = &struttura_di(*f.d);
    return true;
  }
  std::string byte;
  if (!testo_di(cartella, nome, byte)) return false;
  f.d = &f.proprio.emplace(uri_di(cartella, nome), 0, utf8_da_1252(byte));
  if (treno) {
    f.propria = leggi_struttura(f.d->byte(), *treno);
    f.s = &f.propria;
  }
  return true;
}

json server_lsp::definizione(const json& parametri) {
  const documento& d = documento_di(parametri);
  const uri_diviso u = dividi_uri(d.uri());
  const nome_sorgente n = riconosci(u);
  json v = json::array();
  if (n.r != nome_sorgente::ruolo::treno) return v;
  int k = -1;
  const record_struttura* r = record_a(struttura_di(d), d.offset_di(posizione_da_json(parametri.at("position"))), k);
  const std::int64_t p = r ? progressiva_del_record(*r) : -1;
  file_letto linea;
  if (p < 0 || !leggi_file(u.cartella, n.percorso + "_linea.txt", false, linea)) return v;
  for (const record_struttura* x : record_in_vigore(*linea.s, p))
    v.push_back(luogo(*linea.d, x->inizio, fine_record(*x)));
  return v;
}

json server_lsp::riferimenti(const json& parametri) {
  const documento& d = documento_di(parametri);
  const uri_diviso u = dividi_uri(d.uri());
  const nome_sorgente n = riconosci(u);
  json v = json::array();
  if (n.r != nome_sorgente::ruolo::treno) return v;
  int k = -1;
  const record_struttura* r = record_a(struttura_di(d), d.offset_di(posizione_da_json(parametri.at("position"))), k);
  if (!r || k != static_cast<int>(campo_nome_luogo)) return v;
  const std::string nome = nome_stazione(*r);
  if (nome.empty()) return v;
  const gruppo_sorgenti g{u.cartella, n.percorso};
  // The line file's signs that carry the name.
  if (file_letto linea; leggi_file(g.cartella, n.percorso + "_linea.txt", false, linea))
    for (const record_struttura& x : linea.s->record)
      if (x.forma->genere == genere_record::cartello_indicatore && x.completo() && nomina(x.campi[1].testo, nome))
        v.push_back(luogo(*linea.d, x.campi[1].inizio, x.campi[1].fine));
  // Each train's stations and documents table.
  for (const std::string& t : treni_di(g)) {
    if (t.empty()) continue;
    Form1 nomi;
    nomi.nome_percorso = g.percorso;
    nomi.numero_treno = t;
    if (file_letto treno; leggi_file(g.cartella, file_treno(nomi), true, treno))
      for (const record_struttura& x : treno.s->record)
        if (nomina(nome_stazione(x), nome))
          v.push_back(luogo(*treno.d, x.campi[campo_nome_luogo].inizio, x.campi[campo_nome_luogo].fine));
    if (file_letto tabella; leggi_file(g.cartella, file_tabella_documenti(g.percorso, t), std::nullopt, tabella))
      for (const auto& [da, a] : nomi_in_tabella(tabella.d->byte(), nome)) v.push_back(luogo(*tabella.d, da, a));
  }
  return v;
}

json server_lsp::simboli_spazio(const json& parametri) {
  const std::string cercato = maiuscolo(parametri.value("query", std::string()));
  std::set<gruppo_sorgenti> gruppi;
  for (const auto& [uri, d] : documenti_) {
    const uri_diviso u = dividi_uri(uri);
    if (const nome_sorgente n = riconosci(u); n.r != nome_sorgente::ruolo::nessuno)
      gruppi.insert({u.cartella, n.percorso});
  }
  json v = json::array();
  auto aggiungi = [&](const std::string& nome, tipo_simbolo tipo, const documento& d, std::size_t da, std::size_t a) {
    if (maiuscolo(nome).find(cercato) == std::string::npos) return;
    v.push_back(
        {{"name", nome}, {"kind", tipo}, {"location", luogo(d, da, a)}, {"containerName", dividi_uri(d.uri()).nome}});
  };
  for (const gruppo_sorgenti& g : gruppi) {
    std::vector<serie_chilometrica> serie;
    if (file_letto linea; leggi_file(g.cartella, g.percorso + "_linea.txt", false, linea))
      serie = serie_della_linea(*linea.s);
    for (const std::string& t : treni_di(g)) {
      Form1 nomi;
      nomi.nome_percorso = g.percorso;
      nomi.numero_treno = t;
      file_letto treno;
      if (t.empty() || !leggi_file(g.cartella, file_treno(nomi), true, treno)) continue;
      for (const record_struttura& r : treno.s->record) {
        if (r.forma->genere == genere_record::stazione && r.campi.size() > campo_nome_luogo)
          aggiungi(utf8_da_1252(nome_stazione(r)), tipo_simbolo::oggetto, *treno.d, r.campi[campo_nome_luogo].inizio,
                   r.campi[campo_nome_luogo].fine);
        else if (r.forma->genere == genere_record::segnale && !r.campi.empty())
          aggiungi("segnale " + chilometro(serie, r.campi[0].numero, false), tipo_simbolo::evento, *treno.d, r.inizio,
                   fine_record(r));
      }
    }
  }
  return v;
}
