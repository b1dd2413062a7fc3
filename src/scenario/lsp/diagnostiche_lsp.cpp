#include "scenario/lsp/diagnostiche_lsp.h"

#include <memory>

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "model/form1.h"
#include "scenario/lsp/protocollo_lsp.h"
#include "scenario/sorgenti/controllo_sorgenti.h"

namespace {
diagnostica nota_senza_posto(const std::string& file, const std::string& codice, const std::string& messaggio) {
  diagnostica d;
  d.avviso = true;
  d.codice = codice;
  d.file = file;
  d.messaggio = messaggio;
  return d;
}
}  // namespace

std::vector<diagnostica> controlla_coppia(const std::string& percorso, const std::string& treno,
                                          const std::string* linea_byte, const std::string* treno_byte) {
  Form1 nomi;
  nomi.nome_percorso = percorso;
  nomi.numero_treno = treno;
  const std::string nome_linea = file_linea(nomi), nome_treno = file_treno(nomi);
  std::vector<diagnostica> v;
  for (const auto& [byte, nome] : {std::pair{linea_byte, nome_linea}, std::pair{treno_byte, nome_treno}})
    if (byte && byte->size() > massimo_controllato) {
      v.push_back(nota_senza_posto(nome, codice_troppo_grande,
                                   "file di " + std::to_string(byte->size()) + " byte, oltre i " +
                                       std::to_string(massimo_controllato) +
                                       " che si controllano mentre scrivi: usa 'scenario check'"));
      return v;
    }
  if (!linea_byte || !treno_byte) {
    const testi_sorgente t{linea_byte != nullptr, treno_byte != nullptr, linea_byte ? *linea_byte : "",
                           treno_byte ? *treno_byte : ""};
    v = avvisi_sorgenti(nomi, t, true);
    if (!linea_byte)
      v.push_back(nota_senza_posto(nome_treno, codice_manca_compagno,
                                   "il file della linea " + nome_linea +
                                       " non \xC3\xA8 nella cartella n\xC3\xA9 aperto: il treno non pu\xC3\xB2 essere "
                                       "compilato, qui ci sono solo gli avvisi"));
    else
      v.push_back(nota_senza_posto(nome_linea, codice_manca_compagno,
                                   "nessun file del treno " + percorso +
                                       "_TRENO-.txt nella cartella n\xC3\xA9 aperto: la linea non pu\xC3\xB2 essere "
                                       "compilata, qui ci sono solo gli avvisi"));
    return v;
  }
  cartella_memoria cartella;
  verifica(cartella.sostituisci(nome_linea, *linea_byte));
  verifica(cartella.sostituisci(nome_treno, *treno_byte));
  try {
    esito_controllo esito = controlla_sorgenti(cartella, nomi);
    v = std::move(esito.voci);
    for (const std::string& n : esito.note) v.push_back(nota_senza_posto(nome_treno, codice_ricerca_fermata, n));
  } catch (const interruzione& e) {
    v.push_back(nota_senza_posto(nome_treno, codice_ricerca_fermata, e.s.messaggio()));
  }
  // A report without a place belongs to the file it names, else to the train's.
  for (diagnostica& d : v)
    if (d.file.empty()) d.file = nome_treno;
  return v;
}

intervallo_lsp intervallo_voce(const documento& d, const struttura_sorgente& s, std::size_t riga, std::size_t colonna) {
  const std::size_t inizio = d.righe_byte().offset_di({riga == 0 ? 0 : riga - 1, colonna == 0 ? 0 : colonna - 1});
  return {d.posizione_di(inizio), d.posizione_di(fine_voce_a(s, inizio))};
}

namespace {
gravita_diagnostica gravita(const diagnostica& d) {
  if (!d.avviso) return gravita_diagnostica::errore;
  if (d.codice == codice_ricerca_fermata) return gravita_diagnostica::informazione;
  return gravita_diagnostica::avviso;
}

// An error's number as the protocol's code; a warning or a slip keeps its name.
nlohmann::json codice_json(const diagnostica& d) {
  if (d.avviso || d.scivolone) return d.codice;
  int numero = 0;
  for (char c : d.codice) numero = c >= '0' && c <= '9' && numero < 100000 ? numero * 10 + (c - '0') : numero;
  return numero;
}
}  // namespace

std::string nota_nel_messaggio(const diagnostica& d, const std::string& parola) {
  if (d.nota.riga == 0) return "";
  const std::string dove =
      "alla riga " + std::to_string(d.nota.riga) + (d.nota.file != d.file ? " di " + d.nota.file : std::string());
  if (d.nota.cella)
    return "; la cella \xC3\xA8 gi\xC3\xA0 presa " + (parola.empty() ? "dal record" : "da `" + parola + "`") + " " +
           dove;
  return "; " + dove + ": " + d.nota.messaggio;
}

nlohmann::json diagnostica_in_json(const diagnostica& d, const trova_luogo& luogo, bool collegate,
                                   const trova_parola& parola) {
  intervallo_lsp r;
  if (d.con_posizione)
    if (auto l = luogo(d.file, d.riga, d.colonna)) r = l->second;
  if (d.nota.riga != 0 && !collegate)
    return diagnostica_json(r, gravita(d), codice_json(d),
                            d.messaggio + nota_nel_messaggio(d, parola(d.nota.file, d.nota.riga)));
  nlohmann::json j = diagnostica_json(r, gravita(d), codice_json(d), d.messaggio);
  if (d.nota.riga != 0)
    if (auto l = luogo(d.nota.file, d.nota.riga, d.nota.colonna))
      j["relatedInformation"] = nlohmann::json::array(
          {{{"location", {{"uri", l->first}, {"range", intervallo_json(l->second)}}}, {"message", d.nota.messaggio}}});
  return j;
}
