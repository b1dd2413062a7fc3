#include "scenario/comandi/comando_allinea.h"

#include <vector>

#include "base/cartella.h"
#include "base/codici_uscita.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "driver/copie_conservate.h"
#include "scenario/comandi/prologo_comando.h"
#include "scenario/sorgenti/allinea_sorgente.h"

namespace {

const char* const aiuto_allinea =
    "uso: scenario allinea DIR ROUTE TRAIN\n"
    "\n"
    "Allinea in colonne i due file sorgente di DIR, ROUTE_linea.txt e\n"
    "ROUTE_TRAIN-.txt: un record per riga (una riga con pi\xC3\xB9 record interi, e solo\n"
    "loro, \xC3\xA8 divisa alle virgole fra l'uno e l'altro), i campi allineati a quelli\n"
    "delle righe vicine dello stesso genere (i numeri a destra, i testi a sinistra).\n"
    "Cambiano solo gli spazi e le virgole fra due record, che diventano fine riga:\n"
    "i file compatti che i sorgenti danno restano byte per byte gli stessi.\n"
    "Intestazioni, separatori, commenti, righe vuote, fine riga e ogni riga che il\n"
    "compilatore legge diversamente da come appare (un record su due righe, una\n"
    "voce in pi\xC3\xB9, una svista di 'check', tutto dopo una lettura rifiutata)\n"
    "restano come sono.\n"
    "Un file che cambia \xC3\xA8 prima conservato come NOME.bak (NOME.2.bak... se c'\xC3\xA8\n"
    "gi\xC3\xA0); un file gi\xC3\xA0 allineato non \xC3\xA8 scritto. Allineare due volte non cambia\n"
    "nulla. L'editor ha lo stesso allineamento ('scenario lsp', formattazione).\n"
    "\n"
    "Stato di uscita: 0 allineati (o gi\xC3\xA0 allineati); 2 un file non si legge o non\n"
    "si scrive; 64 un errore d'uso.\n";

int allinea(const argomenti_comando& a, std::ostream&, std::ostream& err) {
  cartella_disco cartella(percorso_utf8(a.cartella));
  const nomi_scenario n = a.nomi();
  struct sorgente {
    std::string nome;
    bool treno;
  };
  const sorgente sorgenti[] = {{file_linea(n), false}, {file_treno(n), true}};
  std::vector<file_previsto> cambiati;
  for (const sorgente& s : sorgenti) {
    std::string byte;
    verifica(cartella.leggi(s.nome, byte));
    std::string allineato = allinea_sorgente(byte, s.treno);
    if (allineato == byte)
      err << s.nome << " \xC3\xA8 gi\xC3\xA0 allineato\n";
    else
      cambiati.push_back({s.nome, std::move(allineato)});
  }
  for (const std::string& avviso : conserva_file_altrui(cartella, cambiati)) err << avviso << '\n';
  for (const file_previsto& p : cambiati) {
    verifica(cartella.sostituisci(p.nome, p.byte));
    err << "allineato " << p.nome << '\n';
  }
  return uscita_ok;
}

}  // namespace

const regola_comando regola_allinea = {
    .nome = "allinea",
    .riassunto = "allinea in colonne i campi dei record dei due sorgenti",
    .uso = "scenario allinea DIR ROUTE TRAIN",
    .aiuto = aiuto_allinea,
    .posizionali = {posto::cartella, posto::percorso, posto::treno},
    .sorgenti = true,
    .esegui = allinea,
};

int comando_allinea(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  return esegui_comando(regola_allinea, argomenti, out, err);
}
