#include "base/descrizioni_errori.h"

#include <iterator>

namespace {
struct voce_errore {
  std::int32_t numero;
  bool con_progressiva;
  const char* testo;
};

constexpr voce_errore errori[] = {
    {1, false, "lunghezza del percorso oltre 1000000 m"},
    {2, false, "progressiva chilometrica non multipla di 50"},
    {3, false, "inizio della ripetizione segnali non multiplo di 50"},
    {4, false, "fine della ripetizione segnali non multipla di 50"},
    {5, false, "la ripetizione segnali non indica ne' 4 ne' 9 codici"},
    {6, true, "cartello indicatore su una cella non libera"},
    {7, true, "abbattimento su una cella non libera"},
    {8, true, "progressiva della stazione non multipla di 50"},
    {9, true, "lunghezza della stazione non multipla di 100"},
    {10, false, "troppe stazioni: raggiungono i testi dei cartelli indicatori"},
    {11, true, "nessuna cella libera per il codice davanti al segnale che precede l'avviso di rallentamento"},
    {12, true, "nessuna cella libera per il codice prima dell'inizio del rallentamento"},
    {13, true, "nessuna cella libera per il codice dentro o dopo il rallentamento"},
    {15, true, "record oltre la fine del percorso"},
    {16, true, "segnale su una cella non libera"},
    {17, true, "avviso di rallentamento su una cella non libera"},
    {18, true, "inizio del rallentamento su una cella non libera"},
    {19, true, "fine del rallentamento su una cella non libera"},
    {20, true, "tavole distanziometriche su celle non libere"},
    {21, true, "cartello di velocita' massima su una cella non libera"},
    {22, true, "stazione a meno di 350 m dalla precedente"},
    {24, false, "stazione troppo vicina all'inizio della linea"},
    {25, false, "errore di lettura dei file sorgente"},
    {26, true, "troppi tratti di montagna (al massimo 80)"},
    {27, true, "troppi cartelli indicatori"},
    {101, false, "file della linea inesistente"},
    {102, false, "intestazione [generale] mancante nel file della linea"},
    {103, false, "classe di curva mancante o planimetria oltre 1000000 m"},
};

const voce_errore* trova(std::int32_t numero) {
  for (const auto& e : errori)
    if (e.numero == numero) return &e;
  return nullptr;
}
}  // namespace

const char* descrizione_errore(std::int32_t numero) {
  const voce_errore* e = trova(numero);
  return e ? e->testo : "errore sconosciuto";
}

bool errore_con_progressiva(std::int32_t numero) {
  const voce_errore* e = trova(numero);
  return e && e->con_progressiva;
}

std::string rapporto_errore(std::int32_t numero, std::int32_t progressiva) {
  std::string r = " Errore n. " + std::to_string(numero);
  if (errore_con_progressiva(numero)) r += " (progressiva " + std::to_string(progressiva) + ")";
  return r + ": " + descrizione_errore(numero);
}
