#pragma once
#include <cstdint>
#include <span>
#include <string>

// Every error number of the compiler, once: what it means, the source file it
// belongs to and the field at fault. The program's report, the authoring
// tool's diagnostics and check, and the fuzz invariants all read this table.
enum class file_errore : std::uint8_t {
  nessuno,  // no source file of its own
  linea,    // the line source file
  treno,    // the train source file
};

// The error numbers by name: each number is written here and nowhere else.
enum numero_di_errore : std::int32_t {
  err_lunghezza_percorso = 1,           // line longer than 1000000 m
  err_chilometrica_non_multipla = 2,    // chainage start or reference off the 50 m grid
  err_inizio_ripetizione = 3,           // signal repetition start off the grid
  err_fine_ripetizione = 4,             // signal repetition end off the grid
  err_codici_ripetizione = 5,           // signal repetition neither 4 nor 9 codes
  err_cartello_occupato = 6,            // indication sign on a taken cell
  err_abbattimento_occupato = 7,        // code point on a taken cell
  err_stazione_non_multipla = 8,        // station progressive off the grid
  err_lunghezza_stazione = 9,           // station length not a multiple of 100
  err_troppe_stazioni = 10,             // stations reach the sign texts
  err_codice_davanti_segnale = 11,      // no free cell for the code before the warning's signal
  err_codice_prima_rallentamento = 12,  // no free cell for the code before the slowdown
  err_codice_dopo_rallentamento = 13,   // no free cell for the code in or after the slowdown
  err_oltre_percorso = 15,              // record beyond the end of the line
  err_segnale_occupato = 16,            // signal on a taken cell
  err_avviso_occupato = 17,             // slowdown warning on a taken cell
  err_inizio_rallentamento_occupato = 18,
  err_fine_rallentamento_occupato = 19,
  err_tavole_occupate = 20,           // distance boards on taken cells
  err_indicatore_vmax_occupato = 21,  // speed board on a taken cell
  err_stazioni_vicine = 22,           // station area less than 350 m after the previous one
  err_stazione_vicina_inizio = 24,    // station too close to the start of the line
  err_lettura = 25,                   // read failure of a source file
  err_troppe_montagne = 26,           // more than 80 mountain stretches
  err_troppi_cartelli = 27,           // too many indication signs
  err_linea_inesistente = 101,        // no line source file
  err_generale_mancante = 102,        // no [generale] header
  err_classe_curva = 103,             // curve class missing or plan beyond 1000000 m
  err_marche_occupate = 1250,         // the slots of the two fixed marks are taken
  err_codici_occupati = 1251,         // the slots of the two identification codes are taken
};

struct voce_errore {
  std::int32_t numero;
  const char* descrizione;  // one line in Italian
  file_errore file;         // the source file the record at fault is written in
  int campo;                // the item at fault after the record's keyword (1 = its progressive);
                            // 0 where the reader records the item itself
  bool con_progressiva;     // progressiva_errore goes with the number
  bool cella_occupata;      // a point object refused because its cell is taken
  bool mostrato_da_errore;  // ends the run through errore, " Errore n. " shown
};

std::span<const voce_errore> catalogo_errori();
// The entry of a number; nullptr for a number the compiler never records.
const voce_errore* cerca_errore(std::int32_t numero);

// The source file an error belongs to, when it is always the same one.
file_errore file_di_errore(std::int32_t numero);
// The item at fault of a record refused with this error (see voce_errore::campo).
int campo_di_errore(std::int32_t numero);
// One line in Italian for each error number ("errore sconosciuto" otherwise).
const char* descrizione_errore(std::int32_t numero);
// Whether progressiva_errore goes with this number.
bool errore_con_progressiva(std::int32_t numero);
// " Errore n. N (progressiva P): description", the report of a recorded error.
std::string rapporto_errore(std::int32_t numero, std::int32_t progressiva);
