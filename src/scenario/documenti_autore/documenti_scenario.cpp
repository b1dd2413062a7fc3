#include "scenario/documenti_autore/documenti_scenario.h"

#include "base/nomi_file.h"
#include "base/stato.h"
#include "scenario/documenti_autore/errori_in_ordine.h"
#include "scenario/documenti_autore/nomi_tagliati.h"
#include "scenario/documenti_autore/note_autore.h"
#include "scenario/documenti_autore/ordine_autore.h"
#include "scenario/documenti_autore/scheda_autore.h"
#include "scenario/documenti_autore/tabella_documenti.h"
#include "scenario/documenti_autore/testo_autore.h"
#include "scenario/sorgenti/compilazione_memoria.h"

namespace {

// The file when it is there, nullptr when it is not; any other failure ends
// the command.
const std::string* leggi_facoltativo(const cartella_file& cartella, const std::string& nome, std::string& byte) {
  const stato s = cartella.leggi(nome, byte);
  if (s.genere() == genere_stato::non_trovato) return nullptr;
  verifica(s);
  return &byte;
}

}  // namespace

esito_documenti documenti_da_sorgenti(const cartella_file& cartella, const nomi_scenario& nomi) {
  esito_documenti e;
  e.controllo = controlla_sorgenti(cartella, nomi);
  if (e.controllo.errori > 0) return e;

  // The model as the compiler reads it, from copies in memory (the readers
  // delete what they read).
  testi_sorgente testi;
  testi.linea_esiste = testi.treno_esiste = true;
  verifica(cartella.leggi(file_linea(nomi), testi.linea));
  verifica(cartella.leggi(file_treno(nomi), testi.treno));
  const compilazione_memoria c =
      compila_in_memoria(testi, nomi.nome_percorso, nomi.numero_treno, passi_compilazione::lettura);
  if (c.fine) throw interruzione(*c.fine);
  const Form1& f = *c.f;

  const std::string nome_tabella = file_tabella_documenti(nomi.nome_percorso, nomi.numero_treno);
  std::string byte_tabella, byte_note;
  tabella_documenti t;
  if (const std::string* b = leggi_facoltativo(cartella, nome_tabella, byte_tabella))
    t = leggi_tabella_documenti(righe_autore(*b, nome_tabella, e.errori), nome_tabella, e.errori);
  const std::vector<riga_scheda> scheda = righe_della_scheda(f, t, nome_tabella, e.errori);
  const std::vector<riga_ordine> ordine = righe_dell_ordine(f, t, nome_tabella, e.errori);
  e.documenti.note = note_dell_autore(leggi_facoltativo(cartella, file_note(nomi), byte_note), file_note(nomi),
                                      nomi.nome_percorso, nomi.numero_treno, e.errori);
  e.documenti.scheda = testo_scheda(scheda, nomi.numero_treno, f, t);
  e.documenti.rallentamenti = testo_ordine(ordine, nomi.numero_treno, f, t);
  errori_in_ordine(e.errori);
  nomi_di_un_documento nomi_scheda{file_scheda(nomi), e.documenti.scheda, {}};
  for (const riga_scheda& r : scheda) nomi_scheda.nomi.push_back(r.nome);
  nomi_di_un_documento nomi_ordine{file_rallentamenti(nomi), e.documenti.rallentamenti, {}};
  for (const riga_ordine& r : ordine) nomi_ordine.nomi.push_back(r.stazioni);
  e.avvisi = avvisi_nomi_tagliati(nomi_scheda, nomi_ordine);
  return e;
}
