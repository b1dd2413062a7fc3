#include "scenario/comandi/comando_view.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "base/cartella.h"
#include "base/codici_uscita.h"
#include "base/file_disco.h"
#include "base/nomi_file.h"
#include "scenario/comandi/contenuto_cartella.h"
#include "scenario/comandi/prologo_comando.h"
#include "scenario/pagina/dati_view.h"
#include "scenario/pagina/pagina_view.h"

namespace fs = std::filesystem;

const char* const aiuto_view =
    "uso: scenario view DIR ROUTE TRAIN --out FILE.html\n"
    "\n"
    "Scrive una sola pagina HTML completa (script, stile e dati dentro, nulla da\n"
    "scaricare) dello scenario compilato di DIR, da aprire in qualsiasi browser\n"
    "attuale: la planimetria della linea dal file della planimetria (trascinare per\n"
    "spostare, rotella per ingrandire) e, su un solo asse dei km, i profili di\n"
    "pendenza, velocit\xC3\xA0 massima della linea, aderenza e montagna, le stazioni, i\n"
    "segnali, i cartelli, i codici e i rallentamenti, fino alle singole celle di\n"
    "50 m. Passando su un punto lo si segna in entrambe le viste; un clic su un\n"
    "oggetto lo mostra decodificato come fa 'scenario inspect' e, quando in DIR ci\n"
    "sono i file sorgente DIR/ROUTE_linea.txt e DIR/ROUTE_TRAIN-.txt, la riga che\n"
    "lo ha scritto. Il nome di una stazione o un km nella casella di ricerca porta\n"
    "l\xC3\xAC. Quando i sorgenti hanno errori o avvisi ('scenario check'), la pagina li\n"
    "elenca e ciascuno porta al suo posto. I sorgenti sono facoltativi: bastano i\n"
    "file compatti.\n"
    "\n"
    "Stato di uscita: 0 scritto; 2 un file manca, \xC3\xA8 rifiutato o non si pu\xC3\xB2\n"
    "scrivere; 64 un errore d'uso.\n";

namespace {
std::optional<std::string> leggi_se_c_e(const cartella_file& cartella, const std::string& nome) {
  std::string testo;
  const stato letto = cartella.leggi(nome, testo);
  if (letto.genere() == genere_stato::non_trovato) return std::nullopt;
  verifica(letto);
  return testo;
}
// A page opened by double-click needs its extension.
bool estensione_html(const std::string& file) {
  std::string e = std::filesystem::path(file).extension().string();
  for (char& c : e) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return e == ".html" || e == ".htm";
}
stato controlla_uscita(const argomenti_comando& a) {
  if (!a.valore("--out")) return stato::valore("serve --out FILE.html");
  if (!estensione_html(*a.valore("--out")))
    return stato::valore("--out '" + *a.valore("--out") +
                         "': la vista \xC3\xA8 una pagina HTML, il file deve finire in .html");
  return {};
}

int scrivi_vista(const argomenti_comando& a, std::ostream&, std::ostream& err) {
  scenario_compatto s;
  std::string rifiuto;
  const cartella_disco disco(percorso_utf8(a.cartella));
  const nomi_scenario nomi = a.nomi();
  if (!carica_scenario_compatto(a.cartella, a.percorso, a.treno, s, rifiuto)) {
    err << "scenario view: " << rifiuto << '\n';
    if (rifiuto.ends_with(": file non trovato")) err << cosa_c_e(a.cartella, nomi);
    return uscita_errore;
  }
  const auto linea = leggi_se_c_e(disco, file_linea(nomi)), treno_testo = leggi_se_c_e(disco, file_treno(nomi));
  const testi_sorgente testi{linea.has_value(), treno_testo.has_value(), linea.value_or(""), treno_testo.value_or("")};
  indice_sorgenti indice = indicizza_testi(linea ? &*linea : nullptr, treno_testo ? &*treno_testo : nullptr);
  indice.linea.nome = file_linea(nomi);
  indice.treno.nome = file_treno(nomi);
  const auto diagnostiche = diagnostiche_sorgenti(percorso_utf8(a.cartella), a.percorso, a.treno);
  const std::string pagina =
      pagina_view(a.percorso + " \xE2\x80\x94 treno " + a.treno, dati_view(s, indice, testi, diagnostiche));
  verifica(sostituisci_file_disco(percorso_utf8(*a.valore("--out")), pagina));
  return uscita_ok;
}

}  // namespace

const regola_comando regola_view = {
    .nome = "view",
    .riassunto = "scrive una pagina HTML interattiva dello scenario e dei sorgenti",
    .uso = "scenario view DIR ROUTE TRAIN --out FILE.html",
    .aiuto = aiuto_view,
    .posizionali = {posto::cartella, posto::percorso, posto::treno},
    .opzioni_con_valore = {"--out"},
    .controlla = controlla_uscita,
    .esegui = scrivi_vista,
};

int comando_view(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  return esegui_comando(regola_view, argomenti, out, err);
}
