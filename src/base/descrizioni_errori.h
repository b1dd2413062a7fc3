#pragma once
#include <cstdint>
#include <string>

// One line in Italian for each error number the compiler records.
const char* descrizione_errore(std::int32_t numero);
// The source file an error belongs to, when it is always the same one.
enum class file_errore { nessuno, linea, treno };
file_errore file_di_errore(std::int32_t numero);
// The item at fault of a record refused with this error, counted after the
// record's keyword (1 = its progressive); 0 where the reader records the item itself.
int campo_di_errore(std::int32_t numero);
// Whether progressiva_errore goes with this number.
bool errore_con_progressiva(std::int32_t numero);
// " Errore n. N (progressiva P): description", the report of a recorded error.
std::string rapporto_errore(std::int32_t numero, std::int32_t progressiva);
