#include "scenario/comandi/comando_documents.h"

#include "base/cartella.h"
#include "base/codici_uscita.h"
#include "base/nomi_file.h"
#include "driver/copie_conservate.h"
#include "scenario/comandi/prologo_comando.h"
#include "scenario/documenti_autore/documenti_scenario.h"
#include "scenario/documenti_autore/tabella_documenti.h"
#include "scenario/sorgenti/diagnostica.h"

const char* const aiuto_documents =
    "uso: scenario documents DIR ROUTE TRAIN\n"
    "\n"
    "Scrive in DIR i tre documenti del macchinista dello scenario i cui sorgenti\n"
    "sono in DIR, nella forma di quelli dello scenario incorporato (Windows-1252,\n"
    "CR LF), ciascuno sostituito per intero; uno che in DIR ha un altro contenuto\n"
    "(modificato a mano, o scritto da sorgenti di prima) \xC3\xA8 prima conservato\n"
    "come NOME.bak (NOME.2.bak... se c'\xC3\xA8 gi\xC3\xA0), e lo si dice:\n"
    "  ROUTE_TRAIN_scheda_treno.txt  la scheda treno: una riga per stazione con il\n"
    "      suo chilometro, l'orario del file del treno e la velocit\xC3\xA0 della linea;\n"
    "      dove iniziano i codici (SI COD); ogni cambio della velocit\xC3\xA0 della\n"
    "      linea; pagine di 29 righe, poi il modulo vuoto\n"
    "  ROUTE_TRAIN_rallentamenti.txt  l'ordine di rallentamento: una riga per\n"
    "      rallentamento del file del treno (stazioni, cippo, velocit\xC3\xA0, metri)\n"
    "  ROUTE_TRAIN_note.txt  le note: il tuo testo come lo hai scritto (fine riga\n"
    "      CR LF, un file UTF-8 convertito); se manca, un modulo da riempire\n"
    "\n"
    "Un nome pi\xC3\xB9 lungo della sua casella (una stazione nella scheda o nell'ordine)\n"
    "\xC3\xA8 tagliato per entrarvi, con un avviso che dice il nome e ci\xC3\xB2 che si stampa.\n"
    "\n"
    "Ci\xC3\xB2 che i sorgenti non dicono resta vuoto, se non lo scrivi nella tabella\n"
    "facoltativa ROUTE_TRAIN_documenti.txt (Windows-1252 o UTF-8): un record per\n"
    "riga, campi separati da virgole, l'ultimo fino alla fine della riga; righe\n"
    "vuote e righe che iniziano con ';' sono saltate.\n"
    "  classificazione, INTERCITY           massa, 700          rango, V200 C\n"
    "  nota, TESTO                          (la riga sotto ogni pagina)\n"
    "  riga, PROGR, MARCIA, NORS, ARRIVO, ORARIO, REC, NOME\n"
    "      una riga della scheda a PROGR metri (un posto di blocco, un ponte...);\n"
    "      senza NOME completa la riga dei sorgenti a PROGR (stazione, cambio di\n"
    "      velocit\xC3\xA0, SI COD); orari come 13.57, campi vuoti se non servono\n"
    "  rallentamento_su_carta, PROGR, VELOCITA, METRI, PRESCRIZIONI, STAZIONI\n"
    "      una riga dell'ordine che il file del treno non ha\n"
    "  prescrizioni, PROGR, LETTERE   le prescrizioni del rallentamento a PROGR\n"
    "  prescrizione, LETTERA, TESTO   una riga della legenda (LETTERA vuota:\n"
    "      continua la riga prima)\n"
    "Come sulla carta (extract scrive cos\xC3\xAC la tabella dello scenario incorporato):\n"
    "  riga_stampata, PROGR, LIM, MARCIA, KM, NORS, ARRIVO, ORARIO, REC, NOME\n"
    "      come riga, limite e chilometro come stampati (vuoti: celle vuote)\n"
    "  ometti, PROGR                  le righe dei sorgenti a PROGR restano fuori\n"
    "  pagina, PAGINA, ETICHETTA, NOTA   etichetta e nota della pagina stampate\n"
    "  cella_scheda, PROGR, COLONNA, CELLA   cella_ordine, PROGR, COLONNA, CELLA\n"
    "      una cella come stampata, fra due | con i suoi spazi\n"
    "Il formato: docs/documenti.md, o la sua sezione in 'scenario formato'.\n"
    "\n"
    "Stato di uscita: 0 scritti; 1 errori nei sorgenti (come li d\xC3\xA0 check), nella\n"
    "tabella o nelle note, nulla scritto; 2 non \xC3\xA8 stato possibile eseguire (un\n"
    "file sorgente manca); 64 un errore d'uso.\n";

namespace {

int scrivi_documenti(const argomenti_comando& a, std::ostream&, std::ostream& err) {
  cartella_disco cartella(percorso_utf8(a.cartella));
  const nomi_scenario nomi = a.nomi();
  const esito_documenti e = documenti_da_sorgenti(cartella, nomi);
  if (e.controllo.errori > 0) {
    for (const diagnostica& d : e.controllo.voci)
      if (!d.avviso) stampa_diagnostica(err, d);
    err << "scenario documents: " << e.controllo.errori << (e.controllo.errori == 1 ? " errore" : " errori")
        << " nei sorgenti, nessun documento scritto ('scenario check' li mostra con gli avvisi)\n";
    return uscita_errore_registrato;
  }
  if (!e.errori.empty()) {
    for (const std::string& x : e.errori) err << x << '\n';
    err << "scenario documents: nessun documento scritto\n";
    return uscita_errore_registrato;
  }
  // A document of DIR with other bytes (edited by hand, or written from
  // older sources) is kept as NAME.bak first, as the program keeps a source.
  const file_previsto file[] = {
      {file_scheda(nomi), e.documenti.scheda},
      {file_rallentamenti(nomi), e.documenti.rallentamenti},
      {file_note(nomi), e.documenti.note},
  };
  for (const std::string& avviso : e.avvisi) err << avviso << '\n';
  for (const std::string& avviso : conserva_file_altrui(cartella, file)) err << avviso << '\n';
  for (const file_previsto& f : file) {
    verifica(cartella.sostituisci(f.nome, f.byte));
    err << "scritto " << f.nome << '\n';
  }
  return uscita_ok;
}

}  // namespace

const regola_comando regola_documents = {
    .nome = "documents",
    .riassunto = "scrive i documenti del macchinista dai sorgenti di DIR",
    .uso = "scenario documents DIR ROUTE TRAIN",
    .aiuto = aiuto_documents,
    .posizionali = {posto::cartella, posto::percorso, posto::treno},
    .sorgenti = true,
    .esegui = scrivi_documenti,
};

int comando_documents(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  return esegui_comando(regola_documents, argomenti, out, err);
}
