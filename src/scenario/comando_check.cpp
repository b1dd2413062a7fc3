#include "scenario/comando_check.h"

#include <memory>
#include <numeric>
#include <optional>

#include "compiler/lettore_voci.h"
#include "base/errore.h"
#include "base/cartella.h"
#include "base/codici_uscita.h"
#include "base/nomi_file.h"
#include "model/form1.h"
#include "output/memorizza_percorso.h"
#include "scenario/argomenti_scenario.h"
#include "scenario/diagnostica.h"

namespace fs = std::filesystem;

const char* const aiuto_check =
    "uso: scenario check [--strict] [--json] DIR ROUTE TRAIN\n"
    "\n"
    "Trova ogni errore di DIR/ROUTE_linea.txt e DIR/ROUTE_TRAIN-.txt, non solo il\n"
    "primo: compila in memoria una copia dei due file, segnala l'errore alla sua riga\n"
    "e colonna nel tuo file, mette da parte nella copia il record in errore e compila\n"
    "di nuovo, finch\xC3\xA9 non resta alcun errore o ne sono stati trovati 100. Finisce\n"
    "con il conto. Un errore del controllo dei codici (da 11 a 13) \xC3\xA8 messo sul\n"
    "rallentamento a cui appartiene. Un errore senza record da mettere da parte (uno\n"
    "che termina la corsa, o uno senza posto nei sorgenti) ferma la ricerca. In DIR\n"
    "non viene scritto nulla.\n"
    "\n"
    "Prima vengono gli avvisi, come FILE:RIGA:COLONNA: avviso: ...: ci\xC3\xB2 che il\n"
    "compilatore legge in silenzio in un modo che forse non intendi (un numero con\n"
    "altri caratteri, un valore vuoto, un record i cui valori proseguono nella riga\n"
    "dopo o oltre il proprio, una parola chiave sconosciuta dove si trova, testo in\n"
    "UTF-8, nessuna stazione, nessuna curva). Non cambiano mai i file compilati.\n"
    "\n"
    "  --strict  esce con 1 anche per i soli avvisi\n"
    "  --json    stampa su stdout un oggetto JSON: errori, avvisi e diagnostics,\n"
    "            ciascuno con kind, file, line, column, code e message\n"
    "\n"
    "Stato di uscita: 0 nessun errore (avvisi ammessi senza --strict); 1 errori\n"
    "trovati, o avvisi con --strict; 2 non \xC3\xA8 stato possibile eseguire (un file\n"
    "sorgente manca); 64 un errore d'uso.\n";

namespace {
constexpr int massimo_errori = 100;

// One source file of the private copy and, for each of its lines, the
// number of that line in the author's file.
struct sorgente_privata {
  bool esiste = false;
  std::string testo;
  std::vector<std::size_t> righe_originali;
};

sorgente_privata carica(const cartella_file& cartella, const std::string& nome) {
  sorgente_privata s;
  const stato letto = cartella.leggi(nome, s.testo);
  if (letto.genere() == genere_stato::non_trovato) return s;
  verifica(letto);
  s.esiste = true;
  s.righe_originali.resize(posizione_di(s.testo, s.testo.size()).riga);
  std::iota(s.righe_originali.begin(), s.righe_originali.end(), std::size_t{1});
  return s;
}

// Removes the line holding offset, its line end included; false when that
// line is empty (nothing left to set aside).
bool metti_da_parte(sorgente_privata& s, std::size_t offset) {
  if (offset > s.testo.size()) return false;
  std::size_t inizio = 0;
  if (offset > 0) {
    const std::size_t a_capo = s.testo.find_last_of("\r\n", offset - 1);
    if (a_capo != std::string::npos) inizio = a_capo + 1;
  }
  std::size_t fine = s.testo.find_first_of("\r\n", offset);
  if (fine == std::string::npos) fine = s.testo.size();
  if (fine == inizio) return false;
  if (fine < s.testo.size()) fine += (s.testo[fine] == '\r' && fine + 1 < s.testo.size() && s.testo[fine + 1] == '\n') ? 2 : 1;
  const std::size_t riga = posizione_di(s.testo, inizio).riga;
  s.testo.erase(inizio, fine - inizio);
  if (riga - 1 < s.righe_originali.size())
    s.righe_originali.erase(s.righe_originali.begin() + static_cast<std::ptrdiff_t>(riga - 1));
  return true;
}

std::string conta(std::size_t errori, std::size_t avvisi) {
  return std::to_string(errori) + (errori == 1 ? " errore, " : " errori, ") + std::to_string(avvisi) +
         (avvisi == 1 ? " avviso" : " avvisi");
}

int controlla(const argomenti_comando& a, std::ostream& out, std::ostream& err) {
  const cartella_disco cartella(percorso_utf8(a.posizionali[0]));
  Form1 nomi;
  nomi.nome_percorso = a.posizionali[1];
  nomi.numero_treno = a.posizionali[2];
  if (const std::string manca = sorgente_mancante(cartella, nomi); !manca.empty()) {
    err << "scenario check: " << manca << '\n';
    return uscita_errore;
  }
  const bool json = a.ha_flag("--json");
  sorgente_privata linea = carica(cartella, file_linea(nomi)), treno = carica(cartella, file_treno(nomi));
  std::vector<diagnostica> voci =
      avvisi_sorgenti(nomi, {linea.esiste, treno.esiste, linea.testo, treno.testo}, true);
  const std::size_t avvisi = voci.size();
  if (!json)
    for (const diagnostica& d : voci) stampa_diagnostica(err, d);

  int trovati = 0;
  while (trovati < massimo_errori) {
    // Each pass compiles fresh copies in memory of the texts as they stand.
    cartella_memoria copia;
    if (linea.esiste) verifica(copia.sostituisci(file_linea(nomi), linea.testo));
    if (treno.esiste) verifica(copia.sostituisci(file_treno(nomi), treno.testo));
    auto f = std::make_unique<Form1>();
    f->cartella = &copia;
    f->nome_percorso = nomi.nome_percorso;
    f->numero_treno = nomi.numero_treno;
    const testi_sorgente testi{linea.esiste, treno.esiste, linea.testo, treno.testo};
    std::optional<std::string> fine;
    try {
      memorizza_percorso(*f, 1, nullptr);
    } catch (const interruzione& e) {
      if (e.s.genere() != genere_stato::errore) throw;
      fine = e.s.testo();
    }
    if (!fine && f->numero_errore == 0) break;
    ++trovati;
    diagnostica d = fine ? diagnostica_fine(*f, *fine, testi) : diagnostica_errore(*f, testi);
    sorgente_privata& s = d.origine.file == file_sorgente::linea ? linea : treno;
    if (d.con_posizione) {
      if (d.riga - 1 < s.righe_originali.size()) d.riga = s.righe_originali[d.riga - 1];
      d.file = d.origine.file == file_sorgente::linea ? file_linea(nomi) : file_treno(nomi);
    }
    if (json) voci.push_back(d);
    else stampa_diagnostica(err, d);
    // The run ended through errore: the first error the compiler met ends it,
    // with nothing to set aside.
    if (fine) break;
    // Too many stations for the sign texts is a fault of the two files
    // together: setting one station aside after another would only repeat it.
    if (f->numero_errore == 10) {
      err << "scenario check: le stazioni e i cartelli indicatori non stanno insieme, la ricerca si ferma qui\n";
      break;
    }
    if (!d.con_posizione || !metti_da_parte(s, d.origine.offset)) {
      err << "scenario check: nessun record da mettere da parte, la ricerca si ferma qui\n";
      break;
    }
  }
  if (trovati >= massimo_errori) err << "scenario check: ricerca fermata dopo " << massimo_errori << " errori\n";
  if (json) {
    out << "{\"errori\": " << trovati << ", \"avvisi\": " << avvisi << ", \"diagnostics\": ";
    stampa_diagnostiche_json(out, voci);
    out << "}\n";
  } else {
    out << conta(static_cast<std::size_t>(trovati), avvisi) << '\n';
  }
  if (trovati > 0) return 1;
  return avvisi > 0 && a.ha_flag("--strict") ? 1 : 0;
}
}  // namespace

int comando_check(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  argomenti_comando a;
  const std::string guasto = leggi_argomenti(argomenti, {"--strict", "--json"}, {}, a);
  if (a.aiuto) {
    out << aiuto_check;
    return 0;
  }
  if (!guasto.empty()) {
    err << "scenario check: " << guasto << "\nuso: scenario check [--strict] [--json] DIR ROUTE TRAIN\nVedi 'scenario check --help'.\n";
    return uscita_uso;
  }
  try {
    return controlla(a, out, err);
  } catch (const interruzione& e) {
    err << "scenario check: " << e.s.messaggio() << '\n';
    return uscita_errore;
  }
}
