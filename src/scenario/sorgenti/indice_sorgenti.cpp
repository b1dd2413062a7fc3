#include "scenario/sorgenti/indice_sorgenti.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "compiler/confronto_voci.h"
#include "compiler/lettore_voci.h"
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

// 1-based line of an offset, counted on from the last one asked (offsets
// only grow), so a long file is read once.
struct contatore_righe {
  const std::string& dati;
  std::size_t fino_a = 0, riga = 1;
  std::size_t a(std::size_t offset) {
    for (; fino_a < offset && fino_a < dati.size(); ++fino_a) {
      const char c = dati[fino_a];
      if (c == '\n' || (c == '\r' && (fino_a + 1 >= dati.size() || dati[fino_a + 1] != '\n'))) ++riga;
    }
    return riga;
  }
};

// The record's items after its keyword, as its reader reads them.
record_sorgente leggi_record(lettore_voci& in, const forma_record& r, bool nel_treno, std::size_t riga) {
  record_sorgente letto{r.genere, nel_treno, riga, {}, {}};
  for (const campo_record& c : r.campi) {
    if (c.genere == genere_campo::testo)
      letto.testo = leggi_voce(in);
    else
      letto.numeri.push_back(leggi_numero(in));
  }
  return letto;
}

// Items up to and including the first that holds [generale].
bool trova_generale(lettore_voci& in) {
  while (!fine_file(in))
    if (contiene_senza_maiuscole(leggi_voce(in), intestazione_generale)) return true;
  return false;
}

// The next item to examine as a keyword, separators passed over as the
// readers do; false at the end (the file's last item is never examined).
bool prossima_parola(lettore_voci& in, std::string& voce) {
  if (fine_file(in)) return false;
  voce = leggi_voce(in);
  if (fine_file(in)) return false;
  for (int i = 0; i < 2 && separatore(voce); ++i) {
    voce = leggi_voce(in);
    if (fine_file(in)) return false;
  }
  return true;
}

// Walks one file: records from the item after [generale] (for the line
// file, after its general section, whose values are in the compact files).
void indicizza(const std::string& testo, std::span<const forma_record> forme, bool nel_treno, sorgente_letta& file,
               std::vector<record_sorgente>& record) {
  lettore_voci in;
  apri_lettore_da_testo(testo, in);
  contatore_righe righe{in.dati};
  try {
    if (!trova_generale(in)) return;
    if (!nel_treno)
      while (!fine_file(in))
        if (intestazione_sezione(leggi_voce(in))) break;
    std::string voce;
    while (prossima_parola(in, voce)) {
      const std::size_t riga = righe.a(in.inizio_voce);
      for (const forma_record& f : forme) {
        if (!corrisponde(f, voce)) continue;
        record_sorgente r = leggi_record(in, f, nel_treno, riga);
        if (conservato(f.genere)) record.push_back(std::move(r));
      }
    }
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::lettura) throw;
    file.riga_interrotta = righe.a(in.inizio_voce);
  }
}

bool leggi_file(const cartella_file& cartella, const std::string& nome, std::string& testo) {
  return cartella.leggi(nome, testo).ok();
}
}  // namespace

indice_sorgenti indicizza_testi(const std::string* linea, const std::string* treno) {
  indice_sorgenti ind;
  if ((ind.linea.presente = linea != nullptr)) indicizza(*linea, forme_linea(), false, ind.linea, ind.record);
  if ((ind.treno.presente = treno != nullptr)) indicizza(*treno, forme_treno(), true, ind.treno, ind.record);
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
