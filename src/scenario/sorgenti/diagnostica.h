#pragma once
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "base/nomi_scenario.h"
#include "model/form1.h"
#include "scenario/sorgenti/avvisi_sorgente.h"
#include "scenario/testo/indice_righe.h"

// An error or a warning as the tool reports it: where in the sources (when
// known) and one line in Italian (UTF-8) that names the cause.
struct diagnostica {
  bool con_posizione = false;
  bool avviso = false;
  // An error of check, not of the compiler: an author's slip (scivoloni.h),
  // with a short code and no error number.
  bool scivolone = false;
  std::string codice;  // a warning's or a slip's short code, or the error's number
  std::string file;    // name of the source file, no folder
  std::size_t riga = 0, colonna = 0;
  std::string messaggio;           // errors: "Errore n. N (progressiva P): ..."
  std::string testo_riga;          // the source line around the column: UTF-8, escaped, cut to about 200 characters
  std::string rientro;             // what stands under testo_riga before the caret: blanks and tabs
  origine_errore origine;          // the record pointed at (for the code check's errors, the slowdown's)
  std::int64_t progressiva = -1;   // the metres the message names ("progressiva P"), -1 when none
  std::string punto_chilometrico;  // its kilometre post, "55+700", when the line has chainage series
  // Another place the error involves, shown as a note: the record that took
  // the cell a refused record wanted. riga 0 when there is none.
  struct correlata {
    file_sorgente origine = file_sorgente::nessuno;
    std::string file;
    std::size_t riga = 0, colonna = 0;
    std::string messaggio;
    bool cella = false;  // the record that took the cell, not where the reading stopped
  } nota;
};

// The sources' bytes as the author wrote them (the compiler may delete its
// copies); an empty optional text stands for a missing file.
struct testi_sorgente {
  bool linea_esiste = false, treno_esiste = false;
  std::string linea, treno;
};

// Each job has its file: the causes of an error (cause_errore.cpp, the record
// and field it points at in luogo_errore), the source line under the caret
// (riga_sorgente), the warnings and a missing file (diagnostica.cpp), the
// text form (diagnostica_testo.cpp), the JSON form (diagnostica_json).

// The report of the error recorded in f (numero_errore non-zero), at the
// field at fault and with its cause; an error the line file left recorded,
// recorded again where it stopped the train reader, at the line's record
// (cascata_errore.h).
diagnostica diagnostica_errore(const Form1& f, const testi_sorgente& t);

// The line reader's run on t's line file, already made by the compile that
// recorded the error: the model it left (its error state included; the plan
// need not be there) and the first free sign slot. The report is the same;
// the line is not read again for it.
struct linea_gia_letta {
  const Form1& f;
  std::int32_t slot_cartello;
};
diagnostica diagnostica_errore(const Form1& f, const testi_sorgente& t, const linea_gia_letta* letta);

// The report of a run ended through errore with the text a: the recorded
// error when a is its number, else the number a with its explanation.
diagnostica diagnostica_fine(const Form1& f, const std::string& a, const testi_sorgente& t);

// A warning of the source file named file whose bytes are dati, of lines righe.
diagnostica diagnostica_avviso(const avviso& a, const std::string& file, const std::string& dati,
                               const indice_righe& righe);

// The warnings of both source files, in file order, line file first.
std::vector<diagnostica> avvisi_sorgenti(const nomi_scenario& nomi, const testi_sorgente& t, bool con_piano);

// FILE:LINE:COLUMN: message (warnings "avviso: message"), the source line and
// a caret under the column, then FILE:LINE:COLUMN: nota: ... for the place
// it involves; without a position " Errore n. ..." as the program writes it,
// after the name of the file at fault when known.
void stampa_diagnostica(std::ostream& err, const diagnostica& d);

// The report as one JSON object on one line (its keys: json_diagnostica in
// diagnostica_json.h).
void stampa_diagnostica_json(std::ostream& out, const diagnostica& d);

// A non_trovato failure ("DIR/NAME: file non trovato") for the first of the
// two source files of nomi that is missing from cartella; ok when both are there.
stato sorgente_mancante(const cartella_file& cartella, const nomi_scenario& nomi);

// "[{...}, {...}]": the reports as JSON objects.
void stampa_diagnostiche_json(std::ostream& out, const std::vector<diagnostica>& v);
