#pragma once
#include <cstdint>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/chilometri.h"
#include "scenario/lsp/capacita_cliente.h"
#include "scenario/lsp/codifica_editor.h"
#include "scenario/lsp/coppie_sorgenti.h"
#include "scenario/lsp/cornice.h"
#include "scenario/lsp/documento.h"
#include "scenario/lsp/metodi_lsp.h"
#include "scenario/lsp/nomi_sorgente.h"
#include "scenario/lsp/protocollo_lsp.h"
#include "scenario/sorgenti/diagnostica.h"
#include "scenario/sorgenti/struttura_sorgente.h"

// The language server of the two source files (protocol 3.17), fed one
// message body at a time and writing its answers, framed, to a stream: the
// stdio loop and the tests drive it alike. A train file ROUTE_TRAIN-.txt is
// checked with ROUTE_linea.txt of the same folder, a line file with each
// train file of its route there; a file not open in the editor is read from
// the disk. Checks wait in a list until lavora() runs them: a burst of
// changes is checked once, at the version the editor has, and published with
// that version.
class server_lsp {
 public:
  // versione: the tool's, as initialize names the server.
  server_lsp(std::ostream& out, std::string versione) : out_(out), versione_(std::move(versione)) {}

  // One message's body (JSON). Whatever it holds, the server answers and goes on.
  void ricevi(std::string_view corpo);
  // A frame as the framing read it: its body, or a fault answered with an
  // error that has no id.
  void ricevi(const cornice_letta& c);
  // Runs the checks waiting and publishes their diagnostics.
  void lavora();
  bool ha_lavoro() const { return !da_controllare_.empty(); }

  // After "exit": the process ends with codice_uscita() (0 after "shutdown", else 1).
  bool uscito() const { return uscito_; }
  int codice_uscita() const { return chiuso_ ? 0 : 1; }

 private:
  // The methods the server knows, their table in server_lsp.cpp.
  static const metodo_lsp metodi_[];

  void invia(const nlohmann::json& m);
  void esegui_richiesta(const metodo_lsp* metodo, const messaggio_ricevuto& m);
  void esegui_notifica(const metodo_lsp* metodo, const messaggio_ricevuto& m);
  // Why a method that runs only in service cannot run now.
  std::optional<errore_lsp> fuori_servizio() const;

  // The methods.
  nlohmann::json inizializza(const nlohmann::json& parametri);
  nlohmann::json spegni(const nlohmann::json& parametri);
  void esci(const nlohmann::json& parametri);
  void apri(const nlohmann::json& parametri);
  void cambia(const nlohmann::json& parametri);
  void salva(const nlohmann::json& parametri);
  void chiudi(const nlohmann::json& parametri);
  nlohmann::json hover(const nlohmann::json& parametri);
  nlohmann::json completa(const nlohmann::json& parametri);
  nlohmann::json simboli(const nlohmann::json& parametri);
  nlohmann::json azioni(const nlohmann::json& parametri);
  nlohmann::json suggerisci(const nlohmann::json& parametri);
  nlohmann::json piega(const nlohmann::json& parametri);
  nlohmann::json formatta(const nlohmann::json& parametri);
  // Between the files of a route, in server_luoghi.cpp.
  nlohmann::json definizione(const nlohmann::json& parametri);
  nlohmann::json riferimenti(const nlohmann::json& parametri);
  nlohmann::json simboli_spazio(const nlohmann::json& parametri);
  // A file of a folder as those read it: the open document and its walk,
  // else the disk's bytes read now (treno: which walk; none for a table).
  struct file_letto {
    std::optional<documento> proprio;
    struttura_sorgente propria;
    const documento* d = nullptr;
    const struttura_sorgente* s = nullptr;
  };
  bool leggi_file(const std::string& cartella, const std::string& nome, std::optional<bool> treno, file_letto& f);

  const documento& documento_di(const nlohmann::json& parametri) const;
  const struttura_sorgente& struttura_di(const documento& d);
  std::vector<serie_chilometrica> serie_per(const documento& d);
  // The URIs of the open documents that are that file of that folder.
  std::vector<std::string> aperti(const std::string& cartella, const std::string& nome) const;
  // The bytes of a file of a folder: the open document's, else the disk's.
  bool testo_di(const std::string& cartella, const std::string& nome, std::string& byte) const;
  // Which source file the document at u is, by the names of its folder.
  nome_sorgente riconosci(const uri_diviso& u) const;
  void segna_gruppo(const std::string& uri);
  void controlla_utf8_su_disco(const documento& d);

  // The parts of lavora().
  struct lavoro {
    std::set<coppia_sorgenti> coppie;          // to check
    std::set<gruppo_sorgenti> gruppi_rifatti;  // whose line file is checked again
    std::vector<std::string> da_pubblicare;    // open documents, each once
  };
  lavoro raccogli_lavoro() const;
  // The trains of a route, open or on disk; {""} when it has none.
  std::set<std::string> treni_di(const gruppo_sorgenti& g) const;
  void dimentica(const gruppo_sorgenti& g);
  void controlla(const coppia_sorgenti& c, std::vector<std::string>& da_pubblicare);
  void pubblica(const documento& d);
  // The reports of a group's pairs about one of its files, each once.
  std::vector<diagnostica> diagnostiche_di(const gruppo_sorgenti& g, const std::string& nome) const;

  std::ostream& out_;
  std::string versione_;
  bool iniziato_ = false, chiuso_ = false, uscito_ = false;
  capacita_cliente cliente_;                    // what the editor can show, from initialize
  std::map<std::string, documento> documenti_;  // by URI
  std::set<std::string> da_controllare_;
  std::map<coppia_sorgenti, std::vector<diagnostica>> esiti_;  // the reports of each pair checked
  std::map<std::string, std::vector<avviso_codifica>> utf8_su_disco_;
  struct struttura_versione {
    std::int64_t versione;
    struttura_sorgente s;
  };
  std::map<std::string, struttura_versione> strutture_;
};
