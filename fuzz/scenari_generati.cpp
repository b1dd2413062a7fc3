#include "scenari_generati.h"

#include <array>
#include <span>
#include <string_view>

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "base/stato.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"
#include "model/form1.h"
#include "output/memorizza_percorso.h"

namespace {

// The records that may be left out: each stands for itself, nothing else
// counts them. The first record of a profile (its value from the start) stays.
constexpr std::array<std::string_view, 11> facoltativi = {
    "segnale",  "rallentamento", "stazione", "cartello_indicatore", "indicatori_vmax", "curva",
    "pendenza", "velocita",      "aderenza", "abbattimento",        "montagna",
};

// A small generator of its own (splitmix64): the same seed gives the same
// scenario on every platform and library.
struct sorteggio {
  std::uint64_t s;
  std::uint64_t prossimo() {
    std::uint64_t z = (s += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
};

// Objects that may be written off their cell's start: the compiler puts
// them in the nearest cell (a half to the even one), and every reader of the
// tool must find them where it did.
// (A station must stand on the grid: it stays.)
constexpr std::array<std::string_view, 3> spostabili = {"segnale,", "rallentamento,", "cartello_indicatore,"};

// The record with its progressive (the first number) moved by -25..+25 m.
std::string spostato(std::string_view riga, sorteggio& r) {
  const std::size_t virgola = riga.find(',');
  std::size_t inizio = riga.find_first_not_of(' ', virgola + 1);
  if (inizio == std::string_view::npos) return std::string(riga);
  std::size_t fine = inizio;
  std::int64_t p = 0;
  while (fine < riga.size() && riga[fine] >= '0' && riga[fine] <= '9') p = p * 10 + (riga[fine++] - '0');
  if (fine == inizio) return std::string(riga);
  const std::int64_t nuovo = p + static_cast<std::int64_t>(r.prossimo() % 51) - 25;
  if (nuovo < 0) return std::string(riga);
  return std::string(riga.substr(0, inizio)) + std::to_string(nuovo) + std::string(riga.substr(fine));
}

std::string sfoltito(std::string_view testo, sorteggio& r, unsigned su_mille) {
  std::string out;
  bool primo_di[facoltativi.size()] = {};
  while (!testo.empty()) {
    const std::size_t fine = testo.find("\r\n");
    const std::string_view riga = testo.substr(0, fine);
    testo.remove_prefix(fine == std::string_view::npos ? testo.size() : fine + 2);
    bool tieni = true;
    for (std::size_t k = 0; k < facoltativi.size(); ++k) {
      if (!riga.starts_with(facoltativi[k])) continue;
      if (primo_di[k]) tieni = r.prossimo() % 1000 >= su_mille;
      primo_di[k] = true;
      break;
    }
    if (!tieni) continue;
    bool sposta = false;
    for (std::string_view k : spostabili) sposta = sposta || riga.starts_with(k);
    if (sposta && r.prossimo() % 4 == 0)
      out.append(spostato(riga, r)).append("\r\n");
    else
      out.append(riga).append("\r\n");
  }
  return out;
}

// A short valid pair of 4 km with two records of each kind: its variants
// compile in a fraction of a millisecond, where the embedded line's take a
// good part of a second under the sanitizers.
const char linea_breve[] =
    "[generale]\r\n"
    "lunghezza percorso,    4000\r\n"
    "progressiva chilometrica uno,    1000,    4000,    1\r\n"
    "sfondo uno,    1\r\n"
    "ripetizione segnali 9 codici,    1000,    3900\r\n"
    "[curve]\r\n"
    "curvad6,  250,  300\r\n"
    "curvas1,  1000,  650\r\n"
    "[pendenze]\r\n"
    "pendenza,  0,   0\r\n"
    "pendenza,  1250,   -3\r\n"
    "[montagne]\r\n"
    "montagna,   1500,  2250,  11\r\n"
    "montagna,   2300,  2400,  2\r\n"
    "[cartelli]\r\n"
    "indicatori_vmax,  700,  30,  30,  30,  0,  30,  30,  30,  0\r\n"
    "indicatori_vmax,  1300,  110,  115,  120,  0,  ,  ,  ,  0\r\n"
    "[indicazioni]\r\n"
    "cartello_indicatore,  1000,   (P.253)\r\n"
    "cartello_indicatore,  3200,   (  Km  )(65+909)\r\n"
    "[fine]\r\n";
const char treno_breve[] =
    "[generale]\r\n"
    "numero vetture,    14\r\n"
    "percentuale massa frenata,    130\r\n"
    "sabbia,    300\r\n"
    "orologio,    13              14            15 \r\n"
    "[aderenze]\r\n"
    "aderenza,       0,    99\r\n"
    "aderenza,    1500,    70\r\n"
    "[vel_limite]\r\n"
    "velocita,   0,    30\r\n"
    "velocita,    600,   100\r\n"
    "[stazioni]\r\n"
    "stazione,       0,  8,  600,  0, 0, 0,  0,0,0,  0,0,0,    0,  13,15, 0, MILANO\r\n"
    "stazione,    1400,  2,  700,  1, 1, 0,  4,1,1,  2,1,1,   60,  13,57, 0, PIACENZA\r\n"
    "stazione,    2250, 26,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Cabina B\r\n"
    "[rallentamenti]\r\n"
    "rallentamento,   3900,    90,  300, 0,  1,  60\r\n"
    "[segnali]\r\n"
    "segnale,    800,   2, 4, 1,  1, 0,    2,  2,1,1, 0\r\n"
    "segnale,    2450,   2, 4, 0,  0, 0,    2,  2,0,0, 140\r\n"
    "[codici]\r\n"
    "abbattimento,    400,   270\r\n"
    "abbattimento,   2900,   AC\r\n"
    "[fine]\r\n";

scenario_generato generato(std::string_view linea, std::string_view treno, std::uint64_t seme) {
  sorteggio r{seme};
  // From a few records left out to nearly all of them.
  const unsigned su_mille = static_cast<unsigned>(r.prossimo() % 950) + 20;
  return {sfoltito(linea, r, su_mille), sfoltito(treno, r, su_mille)};
}

}  // namespace

scenario_generato genera_scenario(std::uint64_t seme) {
  return generato(testo_righe(righe_linea()), testo_righe(righe_treno()), seme);
}

scenario_generato genera_scenario_breve(std::uint64_t seme) { return generato(linea_breve, treno_breve, seme); }

bool compila_senza_errori(const scenario_generato& g) {
  // With the plan, as check compiles (a curve without its class, error 103,
  // is found only while the plan is built), and without it, as the report's
  // compact files are made: sources that compile compile both ways.
  for (const std::int32_t j : {1, 0}) {
    cartella_memoria c;
    Form1 f;
    f.cartella = &c;
    f.nome_percorso = "Ac";
    f.numero_treno = "1";
    c.sostituisci(file_linea(f), g.linea);
    c.sostituisci(file_treno(f), g.treno);
    try {
      memorizza_percorso(f, j);
    } catch (const interruzione&) {
      return false;
    }
    if (f.numero_errore != 0) return false;
  }
  return true;
}
