#include "scenario/sorgenti/indice_sorgenti.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "model/form1.h"

namespace fs = std::filesystem;

namespace {
// The records the index keeps: those that place something in the cells or
// write a profile.
bool conservato(genere_record g) {
  switch (g) {
    case genere_record::massa_frenata:
    case genere_record::vetture:
    case genere_record::orologio:
    case genere_record::sabbia:
      return false;
    default:
      return true;
  }
}

// The records of one file's walk the index keeps: those of the record
// part, read whole.
void indicizza(const std::string& testo, bool nel_treno, sorgente_letta& file, std::vector<record_sorgente>& record) {
  file.struttura = leggi_struttura(testo, nel_treno);
  const struttura_sorgente& s = file.struttura;
  for (const record_struttura& r : s.record) {
    if (r.forma->sezione == sezione_grammatica::generale || !r.completo() || !conservato(r.forma->genere)) continue;
    record_sorgente letto{r.forma->genere, nel_treno, s.righe.riga(r.inizio) + 1, r.inizio, {}, {}};
    for (std::size_t k = 0; k < r.campi.size(); ++k) {
      if (r.forma->campi[k].genere == genere_campo::testo)
        letto.testo = r.campi[k].testo;
      else
        letto.numeri.push_back(r.campi[k].numero);
    }
    record.push_back(std::move(letto));
  }
  if (s.interrotta != std::string::npos) file.riga_interrotta = s.righe.riga(s.interrotta) + 1;
}

bool leggi_file(const cartella_file& cartella, const std::string& nome, std::string& testo) {
  return cartella.leggi(nome, testo).ok();
}
}  // namespace

indice_sorgenti indicizza_testi(const std::string* linea, const std::string* treno) {
  indice_sorgenti ind;
  if ((ind.linea.presente = linea != nullptr)) indicizza(*linea, false, ind.linea, ind.record);
  if ((ind.treno.presente = treno != nullptr)) indicizza(*treno, true, ind.treno, ind.record);
  return ind;
}

indice_sorgenti indicizza_sorgenti(const fs::path& cartella, const std::string& percorso, const std::string& treno) {
  const cartella_disco disco(cartella);
  Form1 f;
  f.nome_percorso = percorso;
  f.numero_treno = treno;
  std::string linea_testo, treno_testo;
  const bool c_linea = leggi_file(disco, file_linea(f), linea_testo);
  const bool c_treno = leggi_file(disco, file_treno(f), treno_testo);
  indice_sorgenti ind = indicizza_testi(c_linea ? &linea_testo : nullptr, c_treno ? &treno_testo : nullptr);
  ind.linea.nome = file_linea(f);
  ind.treno.nome = file_treno(f);
  return ind;
}
