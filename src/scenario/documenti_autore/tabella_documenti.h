#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the driver's documents say and the sources do not hold, as the author
// gives it in ROUTE_TRAIN_documenti.txt beside the sources: one record a line,
// a keyword and its fields separated by commas, the last field running to the
// end of the line; blank lines and lines beginning with ";" are passed over.
// Texts are Windows-1252 (a file in UTF-8 is converted).

// The name of the table beside the sources.
std::string file_tabella_documenti(const std::string& percorso, const std::string& treno);

// A row of the timetable sheet: with a name, a row of its own at that
// progressive (a block point, a bridge, a tunnel mouth); without one, the
// values that complete the row the sources give there (a station, a change of
// the speed limit, the start of the cab signalling).
struct riga_della_tabella {
  std::int64_t progressiva = 0;
  std::string marcia, no_rs;   // km/h, "" when not given
  std::string arrivo, orario;  // "13.55", "" when not given
  std::string recupero;        // minutes as written: "1.5"
  std::string nome;
  std::size_t riga = 0;  // line in the table, for messages
};

// A slowdown that the order lists and the train file does not hold.
struct rallentamento_su_carta {
  std::int64_t progressiva = 0;
  int velocita = 0, lunghezza = 0;
  std::string prescrizioni;
  std::string stazioni;  // "" to name them from the sources
};

// The letters of the prescriptions of the train file's slowdown that starts
// at progressiva.
struct prescrizioni_rallentamento {
  std::int64_t progressiva = 0;
  std::string lettere;
  std::size_t riga = 0;
};

// A line of the key to the prescriptions; an empty letter continues the line
// before.
struct voce_prescrizione {
  std::string lettera, testo;
};

struct tabella_documenti {
  std::string classificazione, massa, rango, nota;
  std::vector<riga_della_tabella> righe;
  std::vector<rallentamento_su_carta> su_carta;
  std::vector<prescrizioni_rallentamento> prescrizioni;
  std::vector<voce_prescrizione> legenda;
};

// The table from the lines of its file; each fault as "FILE:RIGA: ..." in
// errori (UTF-8).
tabella_documenti leggi_tabella_documenti(const std::vector<std::string>& righe, const std::string& file,
                                          std::vector<std::string>& errori);
