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
#include "scenario/confronto/confronto_scenari.h"
#include "scenario/confronto/lato_confronto.h"
#include "scenario/pagina/dati_view.h"
#include "scenario/pagina/pagina_view.h"
#include "scenario/sorgenti/diagnostica.h"

namespace fs = std::filesystem;

const char* const aiuto_view =
    "uso: scenario view DIR ROUTE TRAIN --out FILE.html [--rispetto-a OLD]\n"
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
    "  --rispetto-a OLD  la cartella OLD con una versione precedente dello stesso\n"
    "                    scenario: la pagina segna sulla mappa e sui profili che\n"
    "                    cosa \xC3\xA8 cambiato da OLD a DIR, come lo dice\n"
    "                    'scenario diff OLD DIR', e lo elenca in un riquadro;\n"
    "                    ogni modifica porta al suo posto\n"
    "\n"
    "Stato di uscita: 0 scritto; 2 un file manca, \xC3\xA8 rifiutato o non si pu\xC3\xB2\n"
    "scrivere, o con --rispetto-a non si \xC3\xA8 potuto confrontare (i sorgenti hanno\n"
    "errori: elencati come da 'scenario check'); 64 un errore d'uso.\n";

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
stato controlla_uscita_view(const argomenti_comando& a) {
  if (!a.valore("--out")) return stato::valore("serve --out FILE.html");
  if (!estensione_html(*a.valore("--out")))
    return stato::valore("--out '" + *a.valore("--out") +
                         "': la vista \xC3\xA8 una pagina HTML, il file deve finire in .html");
  return {};
}

// A side of --rispetto-a that cannot be compared, said as diff says it.
int lato_non_pronto(std::ostream& err, const lato_confronto& l, const std::string& dir, const nomi_scenario& nomi) {
  if (l.esito == esito_lato::errori) {
    for (const diagnostica& d : l.controllo.voci) stampa_diagnostica(err, d);
    err << "scenario view: i sorgenti in " << dir << " hanno " << l.controllo.errori
        << (l.controllo.errori == 1 ? " errore" : " errori") << ": nessun confronto\n";
    return uscita_errore;
  }
  err << "scenario view: " << l.messaggio << '\n';
  if (l.esito == esito_lato::manca) err << cosa_c_e(dir, nomi);
  return uscita_errore;
}

// The changes from OLD (A) to DIR (B), as diff lists them, of the compiled
// scenario only; nullopt after saying why they could not be made.
std::optional<nodo> modifiche_rispetto_a(const argomenti_comando& a, const std::string& vecchia, std::ostream& err,
                                         int& codice) {
  const lato_confronto la = carica_lato(percorso_utf8(vecchia), a.nomi());
  if (la.esito != esito_lato::pronto) {
    codice = lato_non_pronto(err, la, vecchia, a.nomi());
    return std::nullopt;
  }
  const lato_confronto lb = carica_lato(percorso_utf8(a.cartella), a.nomi());
  if (lb.esito != esito_lato::pronto) {
    codice = lato_non_pronto(err, lb, a.cartella, a.nomi());
    return std::nullopt;
  }
  std::vector<modifica> cambiamenti;
  for (const modifica& x :
       confronta_scenari(prepara_confronto(la.s, la.ind), prepara_confronto(lb.s, lb.ind), la.s, lb.s))
    if (cambia_lo_scenario(x)) cambiamenti.push_back(x);
  return nodo_modifiche(cambiamenti);
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
  std::optional<nodo> modifiche;
  if (const std::string* vecchia = a.valore("--rispetto-a")) {
    int codice = uscita_errore;
    modifiche = modifiche_rispetto_a(a, *vecchia, err, codice);
    if (!modifiche) return codice;
  }
  const auto diagnostiche = diagnostiche_sorgenti(percorso_utf8(a.cartella), a.percorso, a.treno);
  const std::string pagina = pagina_view(a.percorso + " \xE2\x80\x94 treno " + a.treno,
                                         dati_view(s, indice, testi, diagnostiche, modifiche ? &*modifiche : nullptr));
  verifica(sostituisci_file_disco(percorso_utf8(*a.valore("--out")), pagina));
  return uscita_ok;
}

}  // namespace

const regola_comando regola_view = {
    .nome = "view",
    .riassunto = "scrive una pagina HTML interattiva dello scenario e dei sorgenti",
    .uso = "scenario view DIR ROUTE TRAIN --out FILE.html [--rispetto-a OLD]",
    .aiuto = aiuto_view,
    .posizionali = {posto::cartella, posto::percorso, posto::treno},
    .opzioni_con_valore = {"--out", "--rispetto-a"},
    .controlla = controlla_uscita_view,
    .esegui = scrivi_vista,
};

int comando_view(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  return esegui_comando(regola_view, argomenti, out, err);
}
