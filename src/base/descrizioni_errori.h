#pragma once
#include <cstdint>
#include <string>

// One line in Italian for each error number the compiler records.
const char* descrizione_errore(std::int32_t numero);
// Whether progressiva_errore goes with this number.
bool errore_con_progressiva(std::int32_t numero);
// " Errore n. N (progressiva P): description", the report of a recorded error.
std::string rapporto_errore(std::int32_t numero, std::int32_t progressiva);
