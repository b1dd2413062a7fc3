#include "base/catalogo_errori.h"

namespace {
using s = sorgente_errore;
constexpr bool P = true, no = false;

// number, description, source, field, with progressive, taken cell, through errore
constexpr voce_errore errori[] = {
    {1, "lunghezza del percorso oltre 1000000 m", s::linea, "lunghezza percorso", no, no, no},
    {2, "progressiva chilometrica non multipla di 50", s::linea, "progressiva chilometrica", no, no, no},
    {3, "inizio della ripetizione segnali non multiplo di 50", s::linea, "inizio", no, no, no},
    {4, "fine della ripetizione segnali non multipla di 50", s::linea, "fine", no, no, no},
    {5, "la ripetizione segnali non indica n\xC3\xA9 4 n\xC3\xA9 9 codici", s::linea, "codici", no, no, no},
    {6, "cartello indicatore su una cella non libera", s::linea, "progressiva", P, P, no},
    {7, "abbattimento su una cella non libera", s::treno, "progressiva", P, no, no},
    {8, "progressiva della stazione non multipla di 50", s::treno, "progressiva", P, no, no},
    {9, "lunghezza della stazione non multipla di 100", s::treno, "lunghezza", P, no, no},
    {10, "troppe stazioni: raggiungono i testi dei cartelli indicatori", s::treno, "stazione", no, no, no},
    {11, "nessuna cella libera per il codice davanti al segnale che precede l'avviso di rallentamento", s::treno,
     "rallentamento", P, no, no},
    {12, "nessuna cella libera per il codice prima dell'inizio del rallentamento", s::treno, "rallentamento", P, no, no},
    {13, "nessuna cella libera per il codice dentro o dopo il rallentamento", s::treno, "rallentamento", P, no, no},
    {15, "record oltre la fine del percorso", s::nessuna, "progressiva", P, no, no},
    {16, "segnale su una cella non libera", s::treno, "progressiva", P, P, no},
    {17, "avviso di rallentamento su una cella non libera", s::treno, "progressiva", P, no, no},
    {18, "inizio del rallentamento su una cella non libera", s::treno, "progressiva", P, no, no},
    {19, "fine del rallentamento su una cella non libera", s::treno, "lunghezza", P, no, no},
    {20, "tavole distanziometriche su celle non libere", s::treno, "tavole", P, no, no},
    {21, "cartello di velocit\xC3\xA0 massima su una cella non libera", s::linea, "progressiva", P, P, no},
    {22, "stazione a meno di 350 m dalla precedente", s::treno, "progressiva", P, no, no},
    {24, "stazione troppo vicina all'inizio della linea", s::treno, "progressiva", no, no, no},
    {25, "errore di lettura dei file sorgente", s::nessuna, "", no, no, no},
    {26, "troppi tratti di montagna (al massimo 80)", s::linea, "montagna", P, no, no},
    {27, "troppi cartelli indicatori", s::linea, "cartello_indicatore", P, no, no},
    {101, "file della linea inesistente", s::linea, "", no, no, no},
    {102, "intestazione [generale] mancante nel file della linea", s::linea, "", no, no, no},
    {103, "classe di curva mancante o planimetria oltre 1000000 m", s::linea, "curva", no, no, no},
    {1250, "posizioni dei due marchi fissi gi\xC3\xA0 occupate", s::nessuna, "", no, no, P},
    {1251, "posizioni dei due codici di identificazione gi\xC3\xA0 occupate", s::nessuna, "", no, no, P},
};
}  // namespace

std::span<const voce_errore> catalogo_errori() { return errori; }

const voce_errore* cerca_errore(std::int32_t numero) {
  for (const auto& e : errori)
    if (e.numero == numero) return &e;
  return nullptr;
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
