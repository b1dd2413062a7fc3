#include "scenario/sorgenti/diagnostica.h"

void stampa_diagnostica(std::ostream& err, const diagnostica& d) {
  if (!d.con_posizione) {
    if (!d.file.empty()) err << d.file << ':';
    err << ' ' << d.messaggio << '\n';
    return;
  }
  err << d.file << ':' << d.riga << ':' << d.colonna << ": "
      << (d.avviso      ? "avviso: "
          : d.scivolone ? "errore: "
                        : "")
      << d.messaggio << '\n';
  err << "    " << d.testo_riga << '\n';
  err << "    " << d.rientro << "^\n";
  if (d.nota.riga != 0)
    err << d.nota.file << ':' << d.nota.riga << ':' << d.nota.colonna << ": nota: " << d.nota.messaggio << '\n';
}
