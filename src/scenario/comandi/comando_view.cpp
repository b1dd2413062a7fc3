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
#include "model/form1.h"
#include "scenario/comandi/argomenti_scenario.h"
#include "scenario/comandi/contenuto_cartella.h"
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
}  // namespace

int comando_view(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  argomenti_comando a;
  std::string guasto = leggi_argomenti(argomenti, {}, {"--out"}, a);
  if (a.aiuto) {
    out << aiuto_view;
    return 0;
  }
  if (guasto.empty() && !a.valore("--out")) guasto = "serve --out FILE.html";
  if (guasto.empty() && !estensione_html(*a.valore("--out")))
    guasto = "--out '" + *a.valore("--out") + "': la vista \xC3\xA8 una pagina HTML, il file deve finire in .html";
  if (!guasto.empty()) {
    err << "scenario view: " << guasto << "\nuso: scenario view DIR ROUTE TRAIN --out FILE.html\n"
        << "Vedi 'scenario view --help'.\n";
    return 64;
  }
  const std::string &cartella = a.posizionali[0], &percorso = a.posizionali[1], &treno = a.posizionali[2];
  scenario_compatto s;
  std::string rifiuto;
  const cartella_disco disco(percorso_utf8(cartella));
  Form1 nomi;
  nomi.nome_percorso = percorso;
  nomi.numero_treno = treno;
  if (const std::string dir = cartella_non_valida(cartella); !dir.empty()) {
    err << "scenario view: " << dir << '\n';
    return uscita_errore;
  }
  if (!carica_scenario_compatto(cartella, percorso, treno, s, rifiuto)) {
    err << "scenario view: " << rifiuto << '\n';
    if (rifiuto.ends_with(": file non trovato")) err << cosa_c_e(cartella, percorso, treno);
    return uscita_errore;
  }
  try {
    const auto linea = leggi_se_c_e(disco, file_linea(nomi)), treno_testo = leggi_se_c_e(disco, file_treno(nomi));
    const testi_sorgente testi{linea.has_value(), treno_testo.has_value(), linea.value_or(""),
                               treno_testo.value_or("")};
    indice_sorgenti indice = indicizza_testi(linea ? &*linea : nullptr, treno_testo ? &*treno_testo : nullptr);
    indice.linea.nome = file_linea(nomi);
    indice.treno.nome = file_treno(nomi);
    const auto diagnostiche = diagnostiche_sorgenti(percorso_utf8(cartella), percorso, treno);
    const std::string pagina =
        pagina_view(percorso + " \xE2\x80\x94 treno " + treno, dati_view(s, indice, testi, diagnostiche));
    verifica(sostituisci_file_disco(percorso_utf8(*a.valore("--out")), pagina));
  } catch (const interruzione& e) {
    err << "scenario view: " << e.s.messaggio() << '\n';
    return 2;
  }
  return 0;
}
