#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "documents/cornici_documenti.h"
#include "model/form1.h"
#include "scenario/documenti_autore/tabella_documenti.h"

// One row of the timetable sheet, its cells as they will stand.
struct riga_scheda {
  std::int64_t progressiva = 0;
  enum class genere { stazione, limite, codici, autore } tipo = genere::stazione;
  std::string limite, marcia, km, no_rs, nome, arrivo, orario, recupero;
};

// The stations of a model read from the sources, in order.
std::vector<const stazione*> stazioni_del_modello(const Form1& f);

// The rows of the sheet of the model f: each station with its kilometre post,
// its time when the train file gives one and the speed limit in force; where
// the cab signalling begins; each change of the speed limit between the first
// and the last station; then the rows and values of the author's table. A
// value the table gives for no row is a fault in errori.
std::vector<riga_scheda> righe_della_scheda(const Form1& f, const tabella_documenti& t, const std::string& file_tabella,
                                            std::vector<std::string>& errori);

// The cells of a row as the sheet composes them: the first row of the run,
// the last station.
celle_scheda celle_della_riga(const riga_scheda& r, bool prima, bool ultima);

// The whole document (Windows-1252, CR LF): pages of 29 rows, each page after
// the first opening with the station that closed the one before, then the
// blank form.
std::string testo_scheda(const std::vector<riga_scheda>& righe, const std::string& treno, const Form1& f,
                         const tabella_documenti& t);
