// The tool's readings held against the compiler's on one scenario: what the
// compiler placed, every reader of the tool finds where the compiler put it.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "bersagli.h"
#include "compiler/memorizza_dati.h"
#include "model/campi_cella.h"
#include "model/form1.h"
#include "output/formati/file_scenario.h"
#include "output/formati/file_tracciato.h"
#include "output/memorizza_percorso.h"
#include "scenari_generati.h"
#include "scenario/documenti_autore/documenti_scenario.h"
#include "scenario/documenti_autore/tabella_documenti.h"
#include "scenario/lsp/diagnostiche_lsp.h"
#include "scenario/lsp/documento.h"
#include "scenario/pagina/dati_view.h"
#include "scenario/sorgenti/controllo_sorgenti.h"
#include "scenario/sorgenti/indice_sorgenti.h"
#include "scenario/sorgenti/struttura_sorgente.h"
#include "scenario/testo/da_1252.h"

namespace {

[[noreturn]] void violato_bersaglio_accordo(const std::string& cosa) {
  std::fprintf(stderr, "invariant violated: %s\n", cosa.c_str());
  std::abort();
}

// The progressives as written of the train file's records of a keyword.
std::vector<std::string> progressive_scritte(std::string_view testo, std::string_view chiave) {
  std::vector<std::string> v;
  while (!testo.empty()) {
    const std::size_t fine = std::min(testo.find('\n'), testo.size());
    std::string_view riga = testo.substr(0, fine);
    testo.remove_prefix(std::min(fine + 1, testo.size()));
    if (!riga.starts_with(chiave)) continue;
    riga.remove_prefix(chiave.size());
    const std::size_t inizio = riga.find_first_of("0123456789");
    if (inizio == std::string_view::npos) continue;
    const std::size_t dopo = std::min(riga.find_first_not_of("0123456789", inizio), riga.size());
    v.emplace_back(riga.substr(inizio, dopo - inizio));
  }
  return v;
}

// The train reader passes over everything up to the first item holding
// [generale] (in any case): a slowdown written before it is not read, so no
// document has it.
std::string_view dopo_generale(std::string_view treno) {
  std::string minuscolo(treno);
  std::transform(minuscolo.begin(), minuscolo.end(), minuscolo.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const std::size_t p = minuscolo.find("[generale]");
  if (p == std::string::npos) return {};
  const std::size_t fine_riga = std::min(treno.find('\n', p), treno.size());
  return treno.substr(fine_riga);
}

// The documents find every slowdown of the train file where the compiler
// put it: a prescription given at the progressive the author wrote is taken.
void accordo_documenti(const scenario_generato& g) {
  cartella_memoria c;
  Form1 nomi;
  nomi.nome_percorso = "Ac";
  nomi.numero_treno = "1";
  std::string tabella;
  for (const std::string& p : progressive_scritte(dopo_generale(g.treno), "rallentamento,"))
    tabella += "prescrizioni, " + p + ", E\r\n";
  c.sostituisci(file_linea(nomi), g.linea);
  c.sostituisci(file_treno(nomi), g.treno);
  c.sostituisci(file_tabella_documenti(nomi.nome_percorso, nomi.numero_treno), tabella);
  const esito_documenti e = documenti_da_sorgenti(c, nomi);
  // An author's slip is an error of check in sources that compile (a
  // keyword one edit off, a time that shifts its record): the documents are
  // refused for it on purpose. An error of the compiler's own is not there.
  bool scivoloni = false;
  for (const diagnostica& d : e.controllo.voci) {
    if (!d.avviso && !d.scivolone)
      violato_bersaglio_accordo("check finds a compiler error in sources that compile: " + d.messaggio);
    scivoloni = scivoloni || d.scivolone;
  }
  if (scivoloni) return;
  if (!e.errori.empty()) violato_bersaglio_accordo("the documents miss a slowdown the compiler placed: " + e.errori[0]);
}

using json = nlohmann::json;

json in_json(const nodo& n) {
  std::ostringstream o;
  scrivi_json(o, n);
  return json::parse(o.str());
}

// The compact files of the sources as the tool loads them.
bool compatti_bersaglio_accordo(const scenario_generato& g, scenario_compatto& s) {
  cartella_memoria c;
  Form1 f;
  f.cartella = &c;
  f.nome_percorso = s.nome_percorso = "Ac";
  f.numero_treno = s.numero_treno = "1";
  c.sostituisci(file_linea(f), g.linea);
  c.sostituisci(file_treno(f), g.treno);
  memorizza_percorso(f, 0);
  std::string byte;
  return c.leggi(file_scenario(f), byte).ok() && decodifica_stazioni(byte, s.stazioni).valido &&
         c.leggi(file_tracciato(f), byte).ok() && decodifica_tracciato(byte, s.percorso).valido;
}

// The report and the page put every object of the compiled cells where a
// record of the sources writes it (no cell the report cannot tie to its
// record, or the other way round), list every object and every station, and
// show each gradient the author wrote over the cells it fills.
void accordo_rapporto_e_pagina(const scenario_generato& g) {
  scenario_compatto s;
  if (!compatti_bersaglio_accordo(g, s))
    violato_bersaglio_accordo("the compact files of sources that compile do not load");
  const indice_sorgenti ind = indicizza_testi(&g.linea, &g.treno);
  const json pagina = in_json(dati_view(s, ind, {true, true, g.linea, g.treno}, {}));
  const json& rapporto = pagina["rapporto"];
  if (rapporto["numero_discordanze"] != 0)
    violato_bersaglio_accordo("the report places an object where the compiler did not: " +
                              rapporto["discordanze_con_le_sorgenti"][0].get<std::string>());
  std::size_t oggetti = 0;
  for (const cella& c : s.percorso) oggetti += !cella_libera(c);
  if (rapporto["oggetti"].size() != oggetti || pagina["oggetti"].size() != oggetti)
    violato_bersaglio_accordo("the report or the page leaves out an object of the cells");
  for (const json& st : rapporto["stazioni"])
    if (st["sorgente"].is_null()) violato_bersaglio_accordo("the report ties a station to no record");
  // The page's gradient runs: cell of each change, value from it on.
  const json& corse = pagina["profili"]["pendenza"];
  const auto pendenza_a = [&](std::int64_t i) {
    std::int64_t v = 0;
    for (std::size_t k = 0; k + 1 < corse.size() && corse[k].get<std::int64_t>() <= i; k += 2)
      v = corse[k + 1].get<std::int64_t>();
    return v;
  };
  std::vector<const record_sorgente*> pendenze;
  for (const record_sorgente& r : ind.record)
    if (r.genere == genere_record::pendenza && r.numeri.size() >= 2) pendenze.push_back(&r);
  for (std::size_t k = 0; k + 1 < pendenze.size(); ++k) {
    const std::int64_t da = cella_di_progressiva(pendenze[k]->numeri[0]);
    const std::int64_t a = cella_di_progressiva(pendenze[k + 1]->numeri[0]);
    if (a - 1 > da && a < static_cast<std::int64_t>(s.percorso.size()) && pendenza_a(a - 1) != pendenze[k]->numeri[1])
      violato_bersaglio_accordo("the page shows another gradient than the author wrote, line " +
                                std::to_string(pendenze[k]->riga));
  }
}

// check and the language server say the same of the same two files: each
// report at the same file, line and column, with the same severity and code.
void accordo_diagnostiche(const scenario_generato& g) {
  cartella_memoria c;
  Form1 nomi;
  nomi.nome_percorso = "Ac";
  nomi.numero_treno = "1";
  c.sostituisci(file_linea(nomi), g.linea);
  c.sostituisci(file_treno(nomi), g.treno);
  const esito_controllo check = controlla_sorgenti(c, nomi);
  const std::vector<diagnostica> lsp = controlla_coppia("Ac", "1", &g.linea, &g.treno);
  const documento linea("file:///a/" + file_linea(nomi), 1, utf8_da_1252(g.linea)),
      treno("file:///a/" + file_treno(nomi), 1, utf8_da_1252(g.treno));
  // Each document's walk, as the server keeps it for the document.
  const struttura_sorgente walk_linea = leggi_struttura(linea.byte(), false),
                           walk_treno = leggi_struttura(treno.byte(), true);
  const trova_luogo luogo = [&](const std::string& nome, std::size_t riga,
                                std::size_t colonna) -> std::optional<std::pair<std::string, intervallo_lsp>> {
    const documento* d = nome == file_linea(nomi) ? &linea : nome == file_treno(nomi) ? &treno : nullptr;
    if (!d) return std::nullopt;
    return std::pair{d->uri(), intervallo_voce(*d, d == &linea ? walk_linea : walk_treno, riga, colonna)};
  };
  // The editor's own notes (a search stopped, a missing partner) stand beside check's.
  std::vector<json> dell_editor;
  for (const diagnostica& d : lsp)
    if (d.codice != codice_ricerca_fermata && d.codice != codice_manca_compagno)
      dell_editor.push_back(diagnostica_in_json(d, luogo, true, {}));
  if (dell_editor.size() != check.voci.size())
    violato_bersaglio_accordo("check and the language server count other reports");
  for (std::size_t k = 0; k < check.voci.size(); ++k) {
    const diagnostica& d = check.voci[k];
    const json& e = dell_editor[k];
    if (e["code"].is_string() ? e["code"].get<std::string>() != d.codice
                              : std::to_string(e["code"].get<int>()) != d.codice)
      violato_bersaglio_accordo("another code in the editor: " + d.codice);
    if (e["severity"].get<int>() != (d.avviso ? 2 : 1))
      violato_bersaglio_accordo("another severity in the editor: " + d.codice);
    if (!d.con_posizione) continue;
    // Windows-1252 has one UTF-16 unit a byte: the editor's column is check's less one.
    const json& inizio = e["range"]["start"];
    if (inizio["line"].get<std::size_t>() + 1 != d.riga || inizio["character"].get<std::size_t>() + 1 != d.colonna)
      violato_bersaglio_accordo("another place in the editor for " + d.codice + " at " + std::to_string(d.riga) + ":" +
                                std::to_string(d.colonna));
  }
}

}  // namespace

void verifica_accordo(const scenario_generato& g) {
  accordo_diagnostiche(g);
  if (!compila_senza_errori(g)) return;
  accordo_documenti(g);
  accordo_rapporto_e_pagina(g);
}

namespace {

// The extended length of the line the sources write (0 when none is read),
// read without the plan.
std::int32_t lunghezza_estesa_letta(const scenario_generato& g) {
  cartella_memoria c;
  Form1 f;
  f.cartella = &c;
  f.nome_percorso = "Ac";
  f.numero_treno = "1";
  c.sostituisci(file_linea(f), g.linea);
  c.sostituisci(file_treno(f), g.treno);
  memorizza_dati(f);
  return f.lunghezza_estesa;
}

// limite: the longest extended line the sources of an input may write (0: no
// bound). Each check compiles with the plan, a point a metre, several times.
void accordo_da(const std::uint8_t* dati, std::size_t n, scenario_generato (*genera)(std::uint64_t),
                std::int32_t limite) {
  if (n == 0) return;
  if (dati[0] % 2 == 0) {
    std::uint64_t seme = 0;
    for (std::size_t k = 1; k < n && k < 9; ++k) seme = seme << 8 | dati[k];
    verifica_accordo(genera(seme));
    return;
  }
  const std::string_view testo(reinterpret_cast<const char*>(dati) + 1, n - 1);
  const std::size_t taglio = std::min(testo.find('\0'), testo.size());
  const scenario_generato g{std::string(testo.substr(0, taglio)),
                            taglio < testo.size() ? std::string(testo.substr(taglio + 1)) : std::string()};
  if (limite != 0 && lunghezza_estesa_letta(g) > limite) return;
  verifica_accordo(g);
}

}  // namespace

void bersaglio_accordo(const std::uint8_t* dati, std::size_t n) {
  accordo_da(dati, n, genera_scenario_breve, lunghezza_estesa_accordo);
}

void bersaglio_accordo_esteso(const std::uint8_t* dati, std::size_t n) { accordo_da(dati, n, genera_scenario, 0); }
