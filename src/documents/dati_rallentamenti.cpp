// The slowdown order handed to the driver: the form that lists the temporary
// speed restrictions of the run and the key to their special prescriptions.
#include "documents/dati_rallentamenti.h"

#include "base/nomi_file.h"
#include "content/scrivi_righe.h"
#include "model/form1.h"

namespace {

// Rows of the restriction table are 82 characters, bars at columns 1, 5, 34,
// 47, 58, 68 and 81; the table always shows 25 rows, the unused ones empty.
constexpr std::string_view riga_vuota =
    " |   |                            |            |          |         |            |";
constexpr std::string_view riga_chiusura =
    " |___|____________________________|____________|__________|_________|____________|";

// Only the second restriction is in the train file: the first applies on
// working days alone (prescription C) and the run takes place on a holiday.
const std::string_view righe[] = {
    "",
    "                                Modulo M. 3",
    "                           ORDINE DI RALLENTAMENTO",
    " ________________________________________________________________________________",
    "  Linea  MILANO PRATO",
    "",
    "  Si ordina al macchinista del treno 318 di effettuare i seguenti rallentamenti",
    "  _______________________________________________________________________________",
    " |   |                            |Inizio dopo |          |         |            |",
    " | N.|      FRA LE STAZIONI       | il cippo   | Velocit\xE0 |Lunghezza|Prescrizioni|",
    " |   |   (o nelle Stazioni di)    |chilometrico|          |  metri  | specifiche |",
    riga_chiusura,
    " | 1 | SECUGNAGO-CASALPUSTERLENGO |    165     |    40    |   400   |    A-B-C   |",
    " | 2 |    S.BENEDETTO SAMBRO      |     57     |    90    |   450   |      E     |",
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_vuota,
    riga_chiusura,
    "",
    "              Prescrizioni specifiche",
    " A - Da rispettare con tutto il treno (per i treni viaggiatori)",
    " B - Interessa anche la stazione di CASALPUSTERLENGO",
    " C - Da rispettare dalle ore 07.30 alle ore 20.30 di tutti",
    "     i giorni esclusi i FESTIVI e i PREFESTIVI",
    " D - Rallentamento N. ... e N. ...  sono contigui",
    " E - Segnale di avviso non preceduto da tavole distanziometriche",
    fine_tabella,
};

}  // namespace

std::span<const std::string_view> righe_rallentamenti() { return righe; }

void dati_rallentamenti(const Form1& f) { scrivi_righe(*f.cartella, file_rallentamenti(f), righe_rallentamenti()); }
