#include "scenario/comandi/comando_nuovo.h"

#include <filesystem>
#include <system_error>

#include "base/cartella.h"
#include "base/codici_uscita.h"
#include "base/nomi_file.h"
#include "content/scrivi_righe.h"
#include "scenario/comandi/prologo_comando.h"

namespace fs = std::filesystem;

namespace {

const char* const aiuto_nuovo =
    "uso: scenario nuovo DIR ROUTE TRAIN\n"
    "\n"
    "Scrive in DIR uno scenario piccolo da cui partire, quello di\n"
    "docs/primo_scenario.md: il sorgente della linea ROUTE_linea.txt (20 km, due\n"
    "curve, le pendenze, un cartello di velocit\xC3\xA0 e uno indicatore) e il sorgente\n"
    "del treno ROUTE_TRAIN-.txt (tre stazioni con orario, due segnali, due punti di\n"
    "codice), in Windows-1252 con righe CR LF. 'scenario check' li accetta con 0\n"
    "errori e 0 avvisi. DIR viene creata se manca; se uno dei due sorgenti c'\xC3\xA8\n"
    "gi\xC3\xA0 il comando non scrive nulla.\n"
    "\n"
    "Stato di uscita: 0 scritti; 2 DIR non si pu\xC3\xB2 creare, un sorgente c'\xC3\xA8 gi\xC3\xA0\n"
    "o un file non si pu\xC3\xB2 scrivere; 64 un errore d'uso.\n";

// The files of docs/primo_scenario.md, line for line (a test compares them).
constexpr std::string_view testo_linea_nuova[] = {
    "[generale]",
    "lunghezza percorso,    20000",
    "progressiva chilometrica uno,    0,    20000,    0",
    "ripetizione segnali 9 codici,    2000,    19000",
    "[curve]",
    "curvad3,    4000,    800",
    "curvas4,    12500,    600",
    "[pendenze]",
    "pendenza,    0,    0",
    "pendenza,    6000,    5",
    "pendenza,    9000,   -3",
    "pendenza,   14000,    0",
    "[cartelli]",
    "indicatori_vmax,    700,  100,  100,  100,  0,  100,  100,  100,  0",
    "[indicazioni]",
    "cartello_indicatore,    8000,   (PONTE SUL)(FIUME ALFA)",
    "[fine]",
    fine_tabella,
};
constexpr std::string_view testo_treno_nuovo[] = {
    "[generale]",
    "numero vetture,    6",
    "percentuale massa frenata,    120",
    "sabbia,    300",
    "orologio,    8,    0,    0",
    "[aderenze]",
    "aderenza,    0,    90",
    "[vel_limite]",
    "velocita,    0,    60",
    "velocita,    1500,    100",
    "velocita,    18500,    60",
    "[stazioni]",
    "stazione,    1000,  12,  400,  0, 0, 0,  0,0,0,  0,0,0,    0,    8, 0, 0, ALFA",
    "stazione,   10000,   2,  400,  0, 0, 0,  0,0,0,  0,0,0,   60,    8,10, 0, BETA",
    "stazione,   19000,  12,  400,  0, 0, 0,  0,0,0,  0,0,0,    0,    8,20, 0, GAMMA",
    "[segnali]",
    "segnale,    3000,   2, 4, 1,  1, 0,    2,  2,1,1, 0",
    "segnale,    9000,   2, 4, 1,  1, 0,    2,  2,1,1, 0",
    "[codici]",
    "abbattimento,    2500,   270",
    "abbattimento,   12000,   270",
    "[fine]",
    fine_tabella,
};

int scrivi_nuovo(const argomenti_comando& a, std::ostream&, std::ostream& err) {
  const fs::path dir = percorso_utf8(a.cartella);
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (!fs::is_directory(dir, ec)) {
    err << "scenario nuovo: DIR '" << a.cartella << "' non \xC3\xA8 una cartella e non si pu\xC3\xB2 creare\n";
    return uscita_errore;
  }
  cartella_disco cartella(dir);
  const nomi_scenario nomi = a.nomi();
  // An author's sources are never replaced: nothing is written.
  for (const std::string& nome : {file_linea(nomi), file_treno(nomi)})
    if (cartella.esiste(nome)) {
      err << "scenario nuovo: in " << a.cartella << " c'\xC3\xA8 gi\xC3\xA0 " << nome
          << ": non lo sostituisco (scegli un'altra cartella o altri nomi)\n";
      return uscita_errore;
    }
  scrivi_righe(cartella, file_linea(nomi), testo_linea_nuova);
  scrivi_righe(cartella, file_treno(nomi), testo_treno_nuovo);
  err << "scritto " << file_linea(nomi) << "\nscritto " << file_treno(nomi) << "\nora: scenario check " << a.cartella
      << ' ' << a.percorso << ' ' << a.treno << '\n';
  return uscita_ok;
}

}  // namespace

std::span<const std::string_view> righe_linea_nuova() { return testo_linea_nuova; }
std::span<const std::string_view> righe_treno_nuovo() { return testo_treno_nuovo; }

const regola_comando regola_nuovo = {
    .nome = "nuovo",
    .riassunto = "scrive in DIR i sorgenti di uno scenario piccolo da cui partire",
    .uso = "scenario nuovo DIR ROUTE TRAIN",
    .aiuto = aiuto_nuovo,
    .posizionali = {posto::cartella_creata, posto::percorso, posto::treno},
    .esegui = scrivi_nuovo,
};

int comando_nuovo(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  return esegui_comando(regola_nuovo, argomenti, out, err);
}
