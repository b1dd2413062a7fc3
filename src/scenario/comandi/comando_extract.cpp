#include "scenario/comandi/comando_extract.h"

#include <filesystem>
#include <system_error>

#include "base/cartella.h"
#include "base/codici_uscita.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"
#include "documents/dati_note.h"
#include "documents/dati_rallentamenti.h"
#include "documents/dati_scheda.h"
#include "driver/copie_conservate.h"
#include "model/form1.h"
#include "scenario/comandi/prologo_comando.h"
#include "scenario/documenti_autore/tabella_documenti.h"
#include "scenario/documenti_autore/tabella_incorporata.h"
#include "scenario/documenti_autore/testo_autore.h"

namespace fs = std::filesystem;

const char* const aiuto_extract =
    "uso: scenario extract DIR\n"
    "\n"
    "Scrive in DIR i cinque file di testo dello scenario incorporato, byte per byte\n"
    "come li scrive il programma, senza compilare: il sorgente della linea\n"
    "Velstra_Ordoven_linea.txt, il sorgente del treno Velstra_Ordoven_318-.txt, la\n"
    "scheda treno, l'ordine dei rallentamenti e le note. Scrive anche la tabella dei\n"
    "documenti Velstra_Ordoven_318_documenti.txt, con la quale 'scenario documents'\n"
    "riscrive i tre documenti byte per byte. DIR viene creata se manca; i file con\n"
    "gli stessi nomi sono sostituiti per intero. Uno di essi che in DIR ha un altro\n"
    "contenuto (un sorgente o un documento modificato) \xC3\xA8 prima conservato come\n"
    "NOME.bak (NOME.2.bak... se c'\xC3\xA8 gi\xC3\xA0), e lo si dice.\n"
    "\n"
    "Stato di uscita: 0 scritti; 2 DIR non si pu\xC3\xB2 creare o un file non si pu\xC3\xB2\n"
    "scrivere; 64 un errore d'uso.\n";

namespace {

int estrai(const argomenti_comando& a, std::ostream&, std::ostream& err) {
  // A missing folder is made, with the folders above it.
  const fs::path dir = percorso_utf8(a.cartella);
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (!fs::is_directory(dir, ec)) {
    err << "scenario extract: DIR '" << a.cartella << "' non \xC3\xA8 una cartella e non si pu\xC3\xB2 creare\n";
    return uscita_errore;
  }
  cartella_disco cartella(dir);
  Form1 f;
  f.cartella = &cartella;
  f.nome_percorso = "Velstra_Ordoven";
  f.numero_treno = "318";
  // An edited source, document or table of DIR is kept as .bak first, as
  // the program keeps it. The table holds what the documents print and the
  // sources do not say, so that `scenario documents` gives them back.
  const file_previsto previsti[] = {
      {file_linea(f), testo_righe(righe_linea())},
      {file_treno(f), testo_righe(righe_treno())},
      {file_scheda(f), testo_righe(righe_scheda())},
      {file_rallentamenti(f), testo_righe(righe_rallentamenti())},
      {file_note(f), testo_righe(righe_note())},
      {file_tabella_documenti(f.nome_percorso, f.numero_treno), testo_crlf(righe_tabella_incorporata())},
  };
  for (const std::string& avviso : conserva_file_altrui(cartella, previsti)) err << avviso << '\n';
  for (const file_previsto& p : previsti) {
    verifica(cartella.sostituisci(p.nome, p.byte));
    err << "scritto " << p.nome << '\n';
  }
  // The program writes its own sources into its folder when run there.
  for (const char* programma : {"Velstra_Ordoven_318", "Velstra_Ordoven_318.exe"})
    if (cartella.esiste(programma))
      err << "attenzione: in " << a.cartella << " c'\xC3\xA8 il programma " << programma
          << ": eseguirlo qui riscrive i sorgenti\n"
             "dello scenario incorporato al posto di questi (un sorgente modificato resta come .bak).\n"
             "Lavora sui sorgenti in un'altra cartella.\n";
  return uscita_ok;
}

}  // namespace

const regola_comando regola_extract = {
    .nome = "extract",
    .riassunto = "scrive in DIR i cinque file di testo dello scenario incorporato",
    .uso = "scenario extract DIR",
    .aiuto = aiuto_extract,
    .posizionali = {posto::cartella_creata},
    .esegui = estrai,
};

int comando_extract(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  return esegui_comando(regola_extract, argomenti, out, err);
}
