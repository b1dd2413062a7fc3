#include "base/catalogo_errori.h"

namespace {
constexpr file_errore L = file_errore::linea, T = file_errore::treno, N = file_errore::nessuno;
constexpr bool P = true, no = false;

// number, description, file, item at fault, with progressive, taken cell, through errore
constexpr voce_errore errori[] = {
    {1, "lunghezza del percorso oltre 1000000 m", L, 0, no, no, no},
    {2, "progressiva chilometrica non multipla di 50 (inizio o riferimento)", L, 0, no, no, no},
    {3, "inizio della ripetizione segnali non multiplo di 50", L, 0, no, no, no},
    {4, "fine della ripetizione segnali non multipla di 50", L, 0, no, no, no},
    {5, "la ripetizione segnali non indica n\xC3\xA9 4 n\xC3\xA9 9 codici", L, 0, no, no, no},
    {6, "cartello indicatore su una cella non libera", L, 1, P, P, no},
    {7, "abbattimento su una cella non libera", T, 1, P, no, no},
    {8, "progressiva della stazione non multipla di 50", T, 1, P, no, no},
    {9, "lunghezza della stazione non multipla di 100", T, 3, P, no, no},
    {10, "troppe stazioni: raggiungono i testi dei cartelli indicatori", T, 0, no, no, no},
    {11, "nessuna cella libera per il codice davanti al segnale che precede l'avviso di rallentamento", T, 1, P, no, no},
    {12, "nessuna cella libera per il codice prima dell'inizio del rallentamento", T, 1, P, no, no},
    {13, "nessuna cella libera per il codice dentro o dopo il rallentamento", T, 1, P, no, no},
    {15, "record oltre la fine del percorso", N, 1, P, no, no},
    {16, "segnale su una cella non libera", T, 1, P, P, no},
    {17, "avviso di rallentamento su una cella non libera", T, 1, P, no, no},
    {18, "inizio del rallentamento su una cella non libera", T, 1, P, no, no},
    {19, "fine del rallentamento su una cella non libera", T, 3, P, no, no},
    {20, "tavole distanziometriche su celle non libere", T, 5, P, no, no},
    {21, "cartello di velocit\xC3\xA0 massima su una cella non libera", L, 1, P, P, no},
    {22, "l'area della stazione non inizia almeno 350 m dopo la fine della precedente", T, 1, P, no, no},
    {24, "stazione troppo vicina all'inizio della linea", T, 1, no, no, no},
    {25,
     "errore di lettura dei file sorgente: file mancante, record che finisce prima del suo ultimo valore, "
     "valore troppo grande per il suo campo o record prima della lunghezza del percorso",
     N, 0, no, no, no},
    {26, "troppi tratti di montagna (al massimo 80)", L, 1, P, no, no},
    {27, "troppi cartelli indicatori", L, 1, P, no, no},
    {101, "file della linea inesistente", L, 0, no, no, no},
    {102, "intestazione [generale] mancante nel file della linea", L, 0, no, no, no},
    {103, "classe di curva mancante (curvad1..6, curvas1..6) o planimetria oltre 1000000 m", L, 0, no, no, no},
    {1250, "le celle riservate alle due marche fisse sono gi\xC3\xA0 occupate: nessun file compatto \xC3\xA8 scritto", N, 0,
     no, no, P},
    {1251,
     "le celle riservate ai due codici di identificazione sono gi\xC3\xA0 occupate: nessun file compatto \xC3\xA8 scritto",
     N, 0, no, no, P},
};
}  // namespace

std::span<const voce_errore> catalogo_errori() { return errori; }

const voce_errore* cerca_errore(std::int32_t numero) {
  for (const auto& e : errori)
    if (e.numero == numero) return &e;
  return nullptr;
}

file_errore file_di_errore(std::int32_t numero) {
  const voce_errore* e = cerca_errore(numero);
  return e ? e->file : file_errore::nessuno;
}

int campo_di_errore(std::int32_t numero) {
  const voce_errore* e = cerca_errore(numero);
  return e ? e->campo : 0;
}

const char* descrizione_errore(std::int32_t numero) {
  const voce_errore* e = cerca_errore(numero);
  return e ? e->descrizione : "errore sconosciuto";
}

bool errore_con_progressiva(std::int32_t numero) {
  const voce_errore* e = cerca_errore(numero);
  return e && e->con_progressiva;
}

std::string rapporto_errore(std::int32_t numero, std::int32_t progressiva) {
  std::string r = " Errore n. " + std::to_string(numero);
  if (errore_con_progressiva(numero)) r += " (progressiva " + std::to_string(progressiva) + ")";
  return r + ": " + descrizione_errore(numero);
}
