// The slowdown order handed to the driver: the form that lists the temporary
// speed restrictions of the run and the key to their special prescriptions.
#include "documents/dati_rallentamenti.h"

#include <string>
#include <vector>

#include "base/nomi_file.h"
#include "content/scrivi_righe.h"
#include "documents/cornici_documenti.h"
#include "model/form1.h"

// Only the second restriction is in the train file: the first applies on
// working days alone (prescription C) and the run takes place on a holiday.
// The paper centres its cells by hand.
documento_ordine ordine_incorporato() {
  return {"MILANO PRATO",
          "318",
          {
              {" 1 ", " SECUGNAGO-CASALPUSTERLENGO ", "    165     ", "    40    ", "   400   ", "    A-B-C   "},
              {" 2 ", "    S.BENEDETTO SAMBRO      ", "     57     ", "    90    ", "   450   ", "      E     "},
          },
          {
              " A - Da rispettare con tutto il treno (per i treni viaggiatori)",
              " B - Interessa anche la stazione di CASALPUSTERLENGO",
              " C - Da rispettare dalle ore 07.30 alle ore 20.30 di tutti",
              "     i giorni esclusi i FESTIVI e i PREFESTIVI",
              " D - Rallentamento N. ... e N. ...  sono contigui",
              " E - Segnale di avviso non preceduto da tavole distanziometriche",
          }};
}

std::span<const std::string_view> righe_rallentamenti() {
  // Laid out once, on first use, and kept for the run.
  static const std::vector<std::string> righe = righe_ordine_documento(ordine_incorporato());
  static const std::vector<std::string_view> vista = [] {
    std::vector<std::string_view> v(righe.begin(), righe.end());
    v.push_back(fine_tabella);
    return v;
  }();
  return vista;
}

void dati_rallentamenti(const Form1& f) { scrivi_righe(*f.cartella, file_rallentamenti(f), righe_rallentamenti()); }
