#include "base/catalogo_errori.h"

namespace {
constexpr file_errore L = file_errore::linea, T = file_errore::treno, N = file_errore::nessuno;
constexpr bool P = true, no = false;

// number, description, file, item at fault, with progressive, taken cell, through errore
constexpr voce_errore errori[] = {
    {err_lunghezza_percorso, "lunghezza del percorso oltre 1000000 m", L, 0, no, no, no},
    {err_chilometrica_non_multipla, "progressiva chilometrica non multipla di 50 (inizio o riferimento)", L, 0, no, no,
     no},
    {err_inizio_ripetizione, "inizio della ripetizione segnali non multiplo di 50", L, 0, no, no, no},
    {err_fine_ripetizione, "fine della ripetizione segnali non multipla di 50", L, 0, no, no, no},
    {err_codici_ripetizione, "la ripetizione segnali non indica n\xC3\xA9 4 n\xC3\xA9 9 codici", L, 0, no, no, no},
    {err_cartello_occupato, "cartello indicatore su una cella non libera", L, 1, P, P, no},
    {err_abbattimento_occupato, "abbattimento su una cella non libera", T, 1, P, no, no},
    {err_stazione_non_multipla, "progressiva della stazione non multipla di 50", T, 1, P, no, no},
    {err_lunghezza_stazione, "lunghezza della stazione non multipla di 100", T, 3, P, no, no},
    {err_troppe_stazioni, "troppe stazioni: raggiungono i testi dei cartelli indicatori", T, 0, no, no, no},
    {err_codice_davanti_segnale,
     "nessuna cella libera per il codice davanti al segnale che precede l'avviso di rallentamento", T, 1, P, no, no},
    {err_codice_prima_rallentamento, "nessuna cella libera per il codice prima dell'inizio del rallentamento", T, 1, P,
     no, no},
    {err_codice_dopo_rallentamento, "nessuna cella libera per il codice dentro o dopo il rallentamento", T, 1, P, no,
     no},
    {err_oltre_percorso, "record oltre la fine del percorso", N, 1, P, no, no},
    {err_segnale_occupato, "segnale su una cella non libera", T, 1, P, P, no},
    {err_avviso_occupato, "avviso di rallentamento su una cella non libera", T, 1, P, no, no},
    {err_inizio_rallentamento_occupato, "inizio del rallentamento su una cella non libera", T, 1, P, no, no},
    {err_fine_rallentamento_occupato, "fine del rallentamento su una cella non libera", T, 3, P, no, no},
    {err_tavole_occupate, "tavole distanziometriche su celle non libere", T, 5, P, no, no},
    {err_indicatore_vmax_occupato, "cartello di velocit\xC3\xA0 massima su una cella non libera", L, 1, P, P, no},
    {err_stazioni_vicine, "l'area della stazione non inizia almeno 350 m dopo la fine della precedente", T, 1, P, no,
     no},
    {err_stazione_vicina_inizio, "stazione troppo vicina all'inizio della linea", T, 1, no, no, no},
    {err_lettura,
     "errore di lettura dei file sorgente: file mancante, record che finisce prima del suo ultimo valore, "
     "valore troppo grande per il suo campo o record prima della lunghezza del percorso",
     N, 0, no, no, no},
    {err_troppe_montagne, "troppi tratti di montagna (al massimo 80)", L, 1, P, no, no},
    {err_troppi_cartelli, "troppi cartelli indicatori", L, 1, P, no, no},
    {err_linea_inesistente, "file della linea inesistente", L, 0, no, no, no},
    {err_generale_mancante, "intestazione [generale] mancante nel file della linea", L, 0, no, no, no},
    {err_classe_curva, "classe di curva mancante (curvad1..6, curvas1..6) o planimetria oltre 1000000 m", L, 0, no, no,
     no},
    {err_marche_occupate,
     "le celle riservate alle due marche fisse sono gi\xC3\xA0 occupate: nessun file compatto \xC3\xA8 scritto", N, 0,
     no, no, P},
    {err_codici_occupati,
     "le celle riservate ai due codici di identificazione sono gi\xC3\xA0 occupate: nessun file compatto \xC3\xA8 "
     "scritto",
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
