#include "scenario/pagina/diagnostiche_view.h"

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "model/form1.h"

std::vector<diagnostica_view> diagnostiche_di(const esito_controllo& esito) {
  std::vector<diagnostica_view> lista;
  for (const diagnostica& d : esito.voci) {
    diagnostica_view v;
    v.genere = d.avviso ? "avviso" : "errore";
    v.progressiva = d.progressiva;
    if (d.con_posizione) {
      v.file = d.file;
      v.riga = d.riga;
      v.colonna = d.colonna;
      v.messaggio = (d.avviso ? "avviso: " : "") + d.messaggio;
    } else {
      // No place in the sources: the file at fault, when known, leads the words.
      v.messaggio = (d.file.empty() ? "" : d.file + ": ") + d.messaggio;
    }
    lista.push_back(std::move(v));
  }
  for (const std::string& nota : esito.note) lista.push_back({"nota", "", 0, 0, nota, -1});
  return lista;
}

std::vector<diagnostica_view> diagnostiche_sorgenti(const std::filesystem::path& cartella, const std::string& percorso,
                                                    const std::string& treno) {
  const cartella_disco disco(cartella);
  Form1 nomi;
  nomi.nome_percorso = percorso;
  nomi.numero_treno = treno;
  if (!disco.esiste(file_linea(nomi)) && !disco.esiste(file_treno(nomi))) return {};
  // The search could not run: its words are the one note of the page.
  const std::string non_eseguito = "controllo dei sorgenti non eseguito: ";
  if (const stato manca = sorgente_mancante(disco, nomi); !manca.ok())
    return {{"nota", "", 0, 0, non_eseguito + manca.messaggio(), -1}};
  try {
    return diagnostiche_di(controlla_sorgenti(disco, nomi));
  } catch (const interruzione& e) {
    return {{"nota", "", 0, 0, non_eseguito + e.s.messaggio(), -1}};
  }
}
