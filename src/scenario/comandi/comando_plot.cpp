#include "scenario/comandi/comando_plot.h"

#include <cmath>
#include <cstdlib>

#include "base/cartella.h"
#include "base/codici_uscita.h"
#include "base/file_disco.h"
#include "model/misure.h"
#include "scenario/comandi/contenuto_cartella.h"
#include "scenario/comandi/prologo_comando.h"
#include "scenario/svg/disegno_svg.h"

const char* const aiuto_plot =
    "uso: scenario plot DIR ROUTE TRAIN --out FILE.svg [--from KM] [--to KM]\n"
    "\n"
    "Disegna lo scenario compilato di DIR in un solo file SVG: la planimetria della\n"
    "linea (girata perch\xC3\xA9 il tratto corra da sinistra a destra, con la freccia del\n"
    "nord e la scala) con le stazioni e i loro nomi; una legenda; sotto, su un asse\n"
    "di progressive in km, i nomi delle stazioni, le pendenze (per mille), la\n"
    "velocit\xC3\xA0 massima della linea (km/h) con ogni rallentamento come banda con la\n"
    "sua velocit\xC3\xA0, e le righe dei segnali, dei punti codice e dei cartelli di\n"
    "velocit\xC3\xA0 massima. Dove i nomi non entrano hanno la precedenza le stazioni con\n"
    "orario, e la legenda dice quanti nomi mancano.\n"
    "\n"
    "  --out FILE.svg  il file da scrivere (estensione .svg), sostituito per intero\n"
    "  --from KM       inizio del tratto da disegnare, in km (per esempio 259,1)\n"
    "  --to KM         fine del tratto; un tratto breve mostra le singole celle\n"
    "\n"
    "Stato di uscita: 0 disegnato; 2 un file manca, \xC3\xA8 rifiutato o non si pu\xC3\xB2\n"
    "scrivere; 64 un errore d'uso.\n";

namespace {

// Kilometres with a decimal point or comma, to whole metres; false for
// anything else.
bool leggi_km(const std::string& testo, std::int64_t& metri) {
  std::string t = testo;
  for (char& c : t)
    if (c == ',') c = '.';
  if (t.empty() || t.find_first_not_of("0123456789.") != std::string::npos) return false;
  char* fine = nullptr;
  const double v = std::strtod(t.c_str(), &fine);
  if (fine != t.c_str() + t.size() || !std::isfinite(v) || v > 2000) return false;
  metri = std::llround(v * 1000);
  return true;
}

bool estensione_svg(const std::string& file) {
  std::string e = std::filesystem::path(file).extension().string();
  for (char& c : e) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return e == ".svg";
}
// The stretch asked, in metres: fino -1 up to the end of the line.
struct tratto_chiesto {
  std::int64_t da = 0, fino = -1;
};

stato leggi_tratto(const argomenti_comando& a, tratto_chiesto& t) {
  if (!a.valore("--out")) return stato::valore("manca --out FILE.svg");
  if (!estensione_svg(*a.valore("--out")))
    return stato::valore("--out '" + *a.valore("--out") + "': il disegno \xC3\xA8 un SVG, il file deve finire in .svg");
  if (a.valore("--from") && !leggi_km(*a.valore("--from"), t.da))
    return stato::valore("--from '" + *a.valore("--from") + "' non \xC3\xA8 una progressiva in km");
  if (a.valore("--to") && !leggi_km(*a.valore("--to"), t.fino))
    return stato::valore("--to '" + *a.valore("--to") + "' non \xC3\xA8 una progressiva in km");
  if (t.fino >= 0 && t.fino <= t.da)
    return stato::valore("--to (" + *a.valore("--to") + " km) non viene dopo --from (" +
                         (a.valore("--from") ? *a.valore("--from") : "0") +
                         " km): --from \xC3\xA8 l'inizio del tratto, --to la fine");
  if (t.fino >= 0 && t.fino < t.da + metri_cella)
    return stato::valore("il tratto da --from a --to deve essere lungo almeno 50 m (una cella)");
  return {};
}

stato controlla_opzioni(const argomenti_comando& a) {
  tratto_chiesto t;
  return leggi_tratto(a, t);
}

int disegna(const argomenti_comando& a, std::ostream&, std::ostream& err) {
  tratto_chiesto t;
  verifica(leggi_tratto(a, t));
  scenario_compatto s;
  std::string rifiuto;
  if (!carica_scenario_compatto(percorso_utf8(a.cartella), a.percorso, a.treno, s, rifiuto)) {
    err << "scenario plot: " << rifiuto << '\n';
    if (rifiuto.ends_with(": file non trovato")) err << cosa_c_e(a.cartella, a.nomi());
    return uscita_errore;
  }
  // The stretch lies on the cells: up to the end of the line, or the 7000 m past it when asked.
  const std::int64_t fine_celle = static_cast<std::int64_t>(s.percorso.size()) * metri_cella;
  if (t.da + metri_cella > fine_celle || (t.fino > fine_celle)) {
    stampa_uso(regola_plot, err,
               "il tratto chiesto esce dalle celle della linea (0-" + std::to_string(fine_celle / 1000) + "," +
                   std::to_string(fine_celle % 1000 / 100) + " km)",
               "", false);
    return uscita_uso;
  }
  verifica(
      sostituisci_file_disco(percorso_utf8(*a.valore("--out")),
                             disegno_svg(s, {static_cast<std::int32_t>(t.da), static_cast<std::int32_t>(t.fino)})));
  return uscita_ok;
}

}  // namespace

const regola_comando regola_plot = {
    .nome = "plot",
    .riassunto = "disegna mappa e profili di uno scenario compilato in un SVG",
    .uso = "scenario plot DIR ROUTE TRAIN --out FILE.svg [--from KM] [--to KM]",
    .aiuto = aiuto_plot,
    .posizionali = {posto::cartella, posto::percorso, posto::treno},
    .opzioni_con_valore = {"--out", "--from", "--to"},
    .controlla = controlla_opzioni,
    .esegui = disegna,
};

int comando_plot(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  return esegui_comando(regola_plot, argomenti, out, err);
}
