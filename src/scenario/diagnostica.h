#pragma once
#include <cstddef>
#include <ostream>
#include <string>

#include "model/form1.h"


// A recorded error as the tool reports it: where in the sources (when known)
// and one line in Italian (UTF-8) that names what is in the way.
struct diagnostica {
  bool con_posizione = false;
  std::string file;  // name of the source file, no folder
  std::size_t riga = 0, colonna = 0;
  std::string messaggio;    // "Errore n. N (progressiva P): ..."
  std::string testo_riga;   // the source line, UTF-8, no line end
  origine_errore origine;   // the record pointed at (for the code check's errors, the slowdown's)
};

// The sources' bytes as the author wrote them (the compiler may delete its
// copies); an empty optional text stands for a missing file.
struct testi_sorgente {
  bool linea_esiste = false, treno_esiste = false;
  std::string linea, treno;
};

// The report of the error recorded in f (numero_errore non-zero).
diagnostica diagnostica_errore(const Form1& f, const testi_sorgente& t);

// FILE:LINE:COLUMN: message, the source line and a caret under the column;
// without a position the program's own line " Errore n. ...".
void stampa_diagnostica(std::ostream& err, const diagnostica& d);
