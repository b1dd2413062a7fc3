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

struct voce_errore {
  std::int32_t numero;
  const char* descrizione;   // one line in Italian
  file_errore file;          // the source file the record at fault is written in
  int campo;                 // the item at fault after the record's keyword (1 = its progressive);
                             // 0 where the reader records the item itself
  bool con_progressiva;      // progressiva_errore goes with the number
  bool cella_occupata;       // a point object refused because its cell is taken
  bool mostrato_da_errore;   // ends the run through errore, " Errore n. " shown
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
