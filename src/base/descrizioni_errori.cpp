#include "base/descrizioni_errori.h"

#include <iterator>

namespace {
struct voce_errore {
  std::int32_t numero;
  bool con_progressiva;
  file_errore file;  // the source file at fault
  int campo;         // item at fault after the record's keyword; 0: where the reader records it
  const char* testo;
};

constexpr file_errore L = file_errore::linea, T = file_errore::treno, N = file_errore::nessuno;

constexpr voce_errore errori[] = {
    {1, false, L, 0, "lunghezza del percorso oltre 1000000 m"},
    {2, false, L, 0, "progressiva chilometrica non multipla di 50 (inizio o riferimento)"},
    {3, false, L, 0, "inizio della ripetizione segnali non multiplo di 50"},
    {4, false, L, 0, "fine della ripetizione segnali non multipla di 50"},
    {5, false, L, 0, "la ripetizione segnali non indica ne' 4 ne' 9 codici"},
    {6, true, L, 1, "cartello indicatore su una cella non libera"},
    {7, true, T, 1, "abbattimento su una cella non libera"},
    {8, true, T, 1, "progressiva della stazione non multipla di 50"},
    {9, true, T, 3, "lunghezza della stazione non multipla di 100"},
    {10, false, T, 0, "troppe stazioni: raggiungono i testi dei cartelli indicatori"},
    {11, true, T, 1, "nessuna cella libera per il codice davanti al segnale che precede l'avviso di rallentamento"},
    {12, true, T, 1, "nessuna cella libera per il codice prima dell'inizio del rallentamento"},
    {13, true, T, 1, "nessuna cella libera per il codice dentro o dopo il rallentamento"},
    {15, true, N, 1, "record oltre la fine del percorso"},
    {16, true, T, 1, "segnale su una cella non libera"},
    {17, true, T, 1, "avviso di rallentamento su una cella non libera"},
    {18, true, T, 1, "inizio del rallentamento su una cella non libera"},
    {19, true, T, 3, "fine del rallentamento su una cella non libera"},
    {20, true, T, 5, "tavole distanziometriche su celle non libere"},
    {21, true, L, 1, "cartello di velocita' massima su una cella non libera"},
    {22, true, T, 1, "l'area della stazione non inizia almeno 350 m dopo la fine della precedente"},
    {24, false, T, 1, "stazione troppo vicina all'inizio della linea"},
    {25, false, N, 0,
     "errore di lettura dei file sorgente: file mancante, record che finisce prima del suo ultimo valore, "
     "valore troppo grande per il suo campo o record prima della lunghezza del percorso"},
    {26, true, L, 1, "troppi tratti di montagna (al massimo 80)"},
    {27, true, L, 1, "troppi cartelli indicatori"},
    {101, false, L, 0, "file della linea inesistente"},
    {102, false, L, 0, "intestazione [generale] mancante nel file della linea"},
    {103, false, L, 0, "classe di curva mancante (curvad1..6, curvas1..6) o planimetria oltre 1000000 m"},
    {1250, false, N, 0, "le celle riservate alle due marche fisse sono gia' occupate: nessun file compatto e' scritto"},
    {1251, false, N, 0,
     "le celle riservate ai due codici di identificazione sono gia' occupate: nessun file compatto e' scritto"},
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

file_errore file_di_errore(std::int32_t numero) {
  const voce_errore* e = trova(numero);
  return e ? e->file : file_errore::nessuno;
}

int campo_di_errore(std::int32_t numero) {
  const voce_errore* e = trova(numero);
  return e ? e->campo : 0;
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
