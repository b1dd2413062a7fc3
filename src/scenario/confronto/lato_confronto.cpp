#include "scenario/confronto/lato_confronto.h"

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "output/formati/file_piano.h"
#include "scenario/sorgenti/compilazione_memoria.h"
#include "scenario/sorgenti/diagnostica.h"

namespace {

// The three compact files of nomi as cartella holds them.
std::vector<file_compatto> leggi_compatti(const cartella_file& cartella, const nomi_scenario& nomi) {
  std::vector<file_compatto> v;
  for (const std::string& nome : {file_scenario(nomi), file_tracciato(nomi), file_piano(nomi)}) {
    file_compatto f{nome, std::string()};
    if (!cartella.leggi(nome, *f.byte).ok()) f.byte.reset();
    v.push_back(std::move(f));
  }
  return v;
}

}  // namespace

lato_confronto compila_lato(const testi_sorgente& testi, const nomi_scenario& nomi) {
  lato_confronto l;
  const compilazione_memoria c =
      compila_in_memoria(testi, nomi.nome_percorso, nomi.numero_treno, passi_compilazione::con_piano);
  l.da_sorgenti = true;
  l.testi = testi;
  if (c.fine || c.f->numero_errore != 0) {
    l.esito = esito_lato::errori;
    return l;
  }
  l.s.nome_percorso = nomi.nome_percorso;
  l.s.numero_treno = nomi.numero_treno;
  l.s.stazioni = c.f->stazioni;
  l.s.percorso = c.f->percorso;
  // The side's folder is done with: its files are taken, not copied.
  for (const std::string& nome : {file_scenario(nomi), file_tracciato(nomi), file_piano(nomi)})
    l.compatti.push_back({nome, c.cartella->prendi(nome)});
  // The plan as the plan file has it, the same whether compiled or read.
  if (const std::optional<std::string>& piano = l.compatti[2].byte) {
    tabella_piano p;
    if (decodifica_piano(*piano, p).valido) l.s.piano = std::move(p);
  }
  // The index of the very texts compiled.
  l.ind = indicizza_testi(testi.linea_esiste ? &testi.linea : nullptr, testi.treno_esiste ? &testi.treno : nullptr);
  l.ind.linea.nome = file_linea(nomi);
  l.ind.treno.nome = file_treno(nomi);
  l.esito = esito_lato::pronto;
  return l;
}

lato_confronto carica_lato(const std::filesystem::path& cartella, const nomi_scenario& nomi) {
  lato_confronto l;
  const cartella_disco disco(cartella);
  const bool linea = disco.esiste(file_linea(nomi)), treno = disco.esiste(file_treno(nomi));
  if (linea != treno) {
    const stato manca = sorgente_mancante(disco, nomi);
    l.messaggio = manca.messaggio();
    l.file = manca.file();
    return l;
  }
  if (!linea) {
    std::string guasto;
    if (!carica_scenario_compatto(cartella, nomi.nome_percorso, nomi.numero_treno, l.s, guasto)) {
      l.esito = guasto.ends_with(": file non trovato") ? esito_lato::manca : esito_lato::danneggiato;
      l.messaggio = guasto;
      const std::size_t k = guasto.find(": ");
      l.file = k == std::string::npos ? std::string() : guasto.substr(0, k);
      return l;
    }
    l.compatti = leggi_compatti(disco, nomi);
    l.esito = esito_lato::pronto;
    return l;
  }
  testi_sorgente testi{true, true, {}, {}};
  verifica(disco.leggi(file_linea(nomi), testi.linea));
  verifica(disco.leggi(file_treno(nomi), testi.treno));
  lato_confronto compilato = compila_lato(testi, nomi);
  if (compilato.esito == esito_lato::errori) compilato.controllo = controlla_sorgenti(disco, nomi);
  return compilato;
}
