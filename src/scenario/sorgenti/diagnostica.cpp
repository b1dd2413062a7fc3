#include "scenario/sorgenti/diagnostica.h"

#include "base/nomi_file.h"
#include "scenario/sorgenti/riga_sorgente.h"

// The reports that need no cause looked for: the warnings, each at its
// place in its file, and a missing source file.

diagnostica diagnostica_avviso(const avviso& a, const std::string& file, const std::string& dati,
                               const indice_righe& righe) {
  diagnostica d;
  d.avviso = !a.errore;
  d.scivolone = a.errore;
  d.codice = a.codice;
  d.messaggio = a.messaggio;
  colloca(d, file, dati, righe, a.offset);
  return d;
}

std::vector<diagnostica> avvisi_sorgenti(const nomi_scenario& nomi, const testi_sorgente& t, bool con_piano) {
  std::vector<diagnostica> v;
  if (t.linea_esiste) {
    const indice_righe righe(t.linea);
    for (const avviso& a : avvisi_linea(t.linea, con_piano))
      v.push_back(diagnostica_avviso(a, file_linea(nomi), t.linea, righe));
  }
  if (t.treno_esiste) {
    const indice_righe righe(t.treno);
    for (const avviso& a : avvisi_treno(t.treno)) v.push_back(diagnostica_avviso(a, file_treno(nomi), t.treno, righe));
  }
  return v;
}

stato sorgente_mancante(const cartella_file& cartella, const nomi_scenario& nomi) {
  for (const std::string& nome : {file_linea(nomi), file_treno(nomi)})
    if (!cartella.esiste(nome)) return stato::non_trovato(cartella.nome_completo(nome));
  return {};
}
