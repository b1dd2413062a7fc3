#include "bersagli.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "base/cartella.h"
#include "base/catalogo_errori.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "compiler/memorizza_dati.h"
#include "model/form1.h"
#include "output/formati/carico.h"
#include "output/formati/file_piano.h"
#include "output/formati/file_scenario.h"
#include "output/formati/file_tracciato.h"
#include "output/memorizza_percorso.h"

namespace {

[[noreturn]] void violato(const char* cosa) {
  std::fprintf(stderr, "invariant violated: %s\n", cosa);
  std::abort();
}

// Each input runs on a fresh folder in memory: nothing touches the disk.
struct form_in_memoria {
  cartella_memoria cartella;
  Form1 f;
  form_in_memoria() {
    f.cartella = &cartella;
    f.nome_percorso = "Fz";
    f.numero_treno = "1";
  }
  void scrivi(const std::string& nome, const char* dati, std::size_t n) { cartella.sostituisci(nome, {dati, n}); }
  bool esiste(const std::string& nome) const { return cartella.esiste(nome); }
  std::size_t dimensione(const std::string& nome) const {
    std::string byte;
    cartella.leggi(nome, byte);
    return byte.size();
  }
};

// A number the compiler may record: 0 or one of the catalogue's, not one that
// only errore shows.
bool errore_noto(std::int32_t n) {
  const voce_errore* e = cerca_errore(n);
  return n == 0 || (e && !e->mostrato_da_errore);
}

void controlla_sorgenti_eliminati(const form_in_memoria& m) {
  if (m.esiste(file_linea(m.f))) violato("line source file left behind");
  if (m.esiste(file_treno(m.f))) violato("train source file left behind");
}

const char linea_fissa[] =
    "[generale]\r\n"
    "lunghezza percorso,    20000\r\n"
    "progressiva chilometrica uno,    1000,    20000,    1\r\n"
    "ripetizione segnali 9 codici,    1000,    19000\r\n"
    "[pendenze]\r\n"
    "pendenza,  0,   0\r\n"
    "pendenza,  5000,   -3\r\n"
    "[montagne]\r\n"
    "montagna,   6000,  9000,  11\r\n"
    "[cartelli]\r\n"
    "indicatori_vmax,  700,  30,  30,  30,  0,  30,  30,  30,  0\r\n"
    "[indicazioni]\r\n"
    "cartello_indicatore,  1700,   (P.253)\r\n"
    "[fine]\r\n";

}  // namespace

std::string linea_del_bersaglio_treno() { return {linea_fissa, sizeof linea_fissa - 1}; }

void bersaglio_compilatore(const std::uint8_t* dati, std::size_t n) {
  auto m = std::make_unique<form_in_memoria>();
  Form1& f = m->f;
  const char* testo = reinterpret_cast<const char*>(dati);
  std::size_t taglio = 0;
  while (taglio < n && dati[taglio] != 0) ++taglio;
  m->scrivi(file_linea(f), testo, taglio);
  if (taglio < n) m->scrivi(file_treno(f), testo + taglio + 1, n - taglio - 1);
  bool fine_errore = false;
  try {
    memorizza_percorso(f, 0);
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::errore) violato("a failure other than errore");
    fine_errore = true;
    const std::string& a = e.s.testo();
    const voce_errore* mostrato = cerca_errore(std::atoi(a.c_str()));
    const bool atteso = (mostrato && mostrato->mostrato_da_errore) || a == std::to_string(f.numero_errore);
    if (!atteso) violato("errore with an unexpected text");
  }
  controlla_sorgenti_eliminati(*m);
  if (!errore_noto(f.numero_errore)) violato("unknown error number");
  if (fine_errore) {
    if (m->esiste(file_scenario(f)) || m->esiste(file_tracciato(f))) violato("compact file written after errore");
  } else {
    if (!f.percorso_esiste()) violato("returned without a cell array");
    if (!m->esiste(file_scenario(f))) violato("scenario file missing");
    if (m->dimensione(file_tracciato(f)) != 15u * (static_cast<std::size_t>(f.numero_celle) + 1))
      violato("track file size");
    if (m->esiste(file_piano(f))) violato("plan file written with j = 0");
  }
}

namespace {

// The line reader alone on a fresh folder, the plan built or not; the
// invariants of what it read. Returns the extended length it read (0 when it
// read none).
std::int32_t leggi_linea(const std::uint8_t* dati, std::size_t n, bool con_piano) {
  auto m = std::make_unique<form_in_memoria>();
  Form1& f = m->f;
  f.con_planimetria = con_piano ? 1 : 0;
  m->scrivi(file_linea(f), reinterpret_cast<const char*>(dati), n);
  memorizza_dati(f);
  controlla_sorgenti_eliminati(*m);
  if (!errore_noto(f.numero_errore)) violato("unknown error number");
  if (f.percorso_esiste() && f.numero_celle + 1 != static_cast<std::int32_t>(f.percorso.size()))
    violato("cell array size");
  if (!con_piano && f.planimetria.esiste()) violato("plan built unasked");
  if (f.planimetria.esiste() && f.planimetria.ultimo_metro() != f.lunghezza_estesa) violato("plan size");
  return f.lunghezza_estesa;
}

}  // namespace

void bersaglio_linea(const std::uint8_t* dati, std::size_t n) {
  if (leggi_linea(dati, n, false) <= lunghezza_estesa_con_piano) leggi_linea(dati, n, true);
}

void bersaglio_linea_lunga(const std::uint8_t* dati, std::size_t n) { leggi_linea(dati, n, true); }

void bersaglio_treno(const std::uint8_t* dati, std::size_t n) {
  auto m = std::make_unique<form_in_memoria>();
  Form1& f = m->f;
  m->scrivi(file_linea(f), linea_fissa, sizeof linea_fissa - 1);
  m->scrivi(file_treno(f), reinterpret_cast<const char*>(dati), n);
  memorizza_dati(f);
  controlla_sorgenti_eliminati(*m);
  if (!errore_noto(f.numero_errore)) violato("unknown error number");
  if (!f.percorso_esiste() || f.numero_celle != 540) violato("the fixed line was not read");
}

// The first byte picks the file kind (plan, scenario, track); the rest is the
// file. Whatever decodes must encode back to the very same bytes.
void bersaglio_decodifica(const std::uint8_t* dati, std::size_t n) {
  if (n == 0) return;
  const std::string_view byte(reinterpret_cast<const char*>(dati) + 1, n - 1);
  switch (dati[0] % 3) {
    case 0: {
      tabella_piano piano;
      if (decodifica_piano(byte, piano).valido && codifica_piano(piano) != byte)
        violato("plan file does not re-encode");
      break;
    }
    case 1: {
      tabella_stazioni stazioni{};
      if (decodifica_stazioni(byte, stazioni).valido && codifica_stazioni(stazioni) != byte)
        violato("scenario file does not re-encode");
      break;
    }
    default: {
      std::vector<cella> percorso;
      if (decodifica_tracciato(byte, percorso).valido && codifica_tracciato(percorso) != byte)
        violato("track file does not re-encode");
      break;
    }
  }
}

void bersaglio_carico(const std::uint8_t* dati, std::size_t n) {
  const std::string_view programma(reinterpret_cast<const char*>(dati), n);
  carico_scenario c;
  bool presente = false;
  if (!leggi_carico(programma, c, presente).ok() || !presente) return;
  if (!programma.ends_with(codifica_carico(c))) violato("an accepted payload is not the one its encoder writes");
}
