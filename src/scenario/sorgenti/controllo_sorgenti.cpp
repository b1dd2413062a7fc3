#include "scenario/sorgenti/controllo_sorgenti.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "base/catalogo_errori.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "scenario/sorgenti/compilazione_memoria.h"
#include "scenario/sorgenti/compilazioni_successive.h"
#include "scenario/sorgenti/ordine_diagnostiche.h"
#include "scenario/testo/indice_righe.h"

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
  s.righe_originali.resize(indice_righe(s.testo).righe());
  std::iota(s.righe_originali.begin(), s.righe_originali.end(), std::size_t{1});
  return s;
}

// Removes the line holding offset, its line end included; false when that
// line is empty (nothing left to set aside).
bool metti_da_parte(sorgente_privata& s, std::size_t offset) {
  if (offset > s.testo.size()) return false;
  const indice_righe righe(s.testo);
  const std::size_t riga = righe.riga(offset);
  const std::size_t inizio = righe.inizio(riga);
  if (righe.fine(riga) == inizio) return false;
  s.testo.erase(inizio, righe.inizio(riga + 1) - inizio);
  if (riga < s.righe_originali.size())
    s.righe_originali.erase(s.righe_originali.begin() + static_cast<std::ptrdiff_t>(riga));
  return true;
}
}  // namespace

esito_controllo controlla_sorgenti(const cartella_file& cartella, const nomi_scenario& nomi) {
  sorgente_privata linea = carica(cartella, file_linea(nomi)), treno = carica(cartella, file_treno(nomi));
  esito_controllo esito;
  esito.voci = avvisi_sorgenti(nomi, {linea.esiste, treno.esiste, linea.testo, treno.testo}, true);
  // The author's slips are errors of check among the warnings, counted after the compiler's.
  const auto scivoloni =
      std::count_if(esito.voci.begin(), esito.voci.end(), [](const diagnostica& d) { return !d.avviso; });
  esito.avvisi = esito.voci.size() - static_cast<std::size_t>(scivoloni);

  // Each pass compiles fresh copies in memory of the texts as they stand; the
  // line is read again, with its plan, only when a pass set a record of it aside.
  compilazioni_successive compilazioni(nomi.nome_percorso, nomi.numero_treno);
  while (esito.errori < massimo_errori) {
    const testi_sorgente testi{linea.esiste, treno.esiste, linea.testo, treno.testo};
    const compilazione_memoria c = compilazioni.compila(testi);
    const Form1* f = c.f.get();
    std::optional<std::string> fine;
    if (c.fine) fine = c.fine->testo();
    if (!fine && f->numero_errore == 0) break;
    ++esito.errori;
    const std::optional<linea_gia_letta> letta = compilazioni.linea_letta(testi);
    diagnostica d =
        fine ? diagnostica_fine(*f, *fine, testi) : diagnostica_errore(*f, testi, letta ? &*letta : nullptr);
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
  esito.errori += static_cast<std::size_t>(scivoloni);
  in_ordine_di_file(esito.voci, nomi);
  return esito;
}

std::optional<diagnostica> primo_errore_sorgenti(const cartella_file& cartella, const nomi_scenario& nomi) {
  const sorgente_privata linea = carica(cartella, file_linea(nomi)), treno = carica(cartella, file_treno(nomi));
  if (!linea.esiste || !treno.esiste) return std::nullopt;
  const testi_sorgente testi{true, true, linea.testo, treno.testo};
  const compilazione_memoria c =
      compila_in_memoria(testi, nomi.nome_percorso, nomi.numero_treno, passi_compilazione::senza_piano);
  if (c.fine) return diagnostica_fine(*c.f, c.fine->testo(), testi);
  if (c.f->numero_errore == 0) return std::nullopt;
  return diagnostica_errore(*c.f, testi);
}
