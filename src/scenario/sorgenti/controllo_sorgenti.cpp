#include "scenario/sorgenti/controllo_sorgenti.h"

#include <memory>
#include <numeric>
#include <optional>

#include "base/catalogo_errori.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "compiler/lettore_voci.h"
#include "output/memorizza_percorso.h"

namespace {
constexpr std::size_t massimo_errori = 100;

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
  if (fine < s.testo.size())
    fine += (s.testo[fine] == '\r' && fine + 1 < s.testo.size() && s.testo[fine + 1] == '\n') ? 2 : 1;
  const std::size_t riga = posizione_di(s.testo, inizio).riga;
  s.testo.erase(inizio, fine - inizio);
  if (riga - 1 < s.righe_originali.size())
    s.righe_originali.erase(s.righe_originali.begin() + static_cast<std::ptrdiff_t>(riga - 1));
  return true;
}
}  // namespace

esito_controllo controlla_sorgenti(const cartella_file& cartella, const nomi_scenario& nomi) {
  sorgente_privata linea = carica(cartella, file_linea(nomi)), treno = carica(cartella, file_treno(nomi));
  esito_controllo esito;
  esito.voci = avvisi_sorgenti(nomi, {linea.esiste, treno.esiste, linea.testo, treno.testo}, true);
  esito.avvisi = esito.voci.size();

  while (esito.errori < massimo_errori) {
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
    ++esito.errori;
    diagnostica d = fine ? diagnostica_fine(*f, *fine, testi) : diagnostica_errore(*f, testi);
    sorgente_privata& s = d.origine.file == file_sorgente::linea ? linea : treno;
    if (d.con_posizione) {
      if (d.riga - 1 < s.righe_originali.size()) d.riga = s.righe_originali[d.riga - 1];
      d.file = d.origine.file == file_sorgente::linea ? file_linea(nomi) : file_treno(nomi);
    }
    if (d.nota.riga != 0) {
      const sorgente_privata& n = d.nota.origine == file_sorgente::linea ? linea : treno;
      if (d.nota.riga - 1 < n.righe_originali.size()) d.nota.riga = n.righe_originali[d.nota.riga - 1];
    }
    esito.voci.push_back(d);
    // The run ended through errore: the first error the compiler met ends it,
    // with nothing to set aside.
    if (fine) break;
    // Too many stations for the sign texts is a fault of the two files
    // together: setting one station aside after another would only repeat it.
    if (f->numero_errore == err_troppe_stazioni) {
      esito.note.push_back("le stazioni e i cartelli indicatori non stanno insieme, la ricerca si ferma qui");
      break;
    }
    if (!d.con_posizione || !metti_da_parte(s, d.origine.offset)) {
      esito.note.push_back("nessun record da mettere da parte, la ricerca si ferma qui");
      break;
    }
  }
  if (esito.errori >= massimo_errori)
    esito.note.push_back("ricerca fermata dopo " + std::to_string(massimo_errori) + " errori");
  return esito;
}

std::optional<diagnostica> primo_errore_sorgenti(const cartella_file& cartella, const nomi_scenario& nomi) {
  const sorgente_privata linea = carica(cartella, file_linea(nomi)), treno = carica(cartella, file_treno(nomi));
  if (!linea.esiste || !treno.esiste) return std::nullopt;
  cartella_memoria copia;
  verifica(copia.sostituisci(file_linea(nomi), linea.testo));
  verifica(copia.sostituisci(file_treno(nomi), treno.testo));
  auto f = std::make_unique<Form1>();
  f->cartella = &copia;
  f->nome_percorso = nomi.nome_percorso;
  f->numero_treno = nomi.numero_treno;
  const testi_sorgente testi{true, true, linea.testo, treno.testo};
  try {
    memorizza_percorso(*f, 0, nullptr);
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::errore) throw;
    return diagnostica_fine(*f, e.s.testo(), testi);
  }
  if (f->numero_errore == 0) return std::nullopt;
  return diagnostica_errore(*f, testi);
}
