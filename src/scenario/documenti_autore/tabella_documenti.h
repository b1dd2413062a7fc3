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
  // riga_stampata: the limit and the kilometre as printed, "" a blank cell.
  bool stampata = false;
  std::string limite, km;
};

// A page of the sheet whose label or note the paper writes its own way
// ("" where the computed one stands).
struct pagina_della_tabella {
  std::size_t numero = 0;
  std::string etichetta, nota;
  std::size_t riga = 0;
};

// The rows of the sources at a progressive that the paper leaves out.
struct riga_omessa {
  std::int64_t progressiva = 0;
  std::size_t riga = 0;
};

// A cell as the paper lays it out: of the first sheet row at a progressive,
// or of the order's row of the slowdown starting there; colonna counts the
// paper's columns from 0.
struct cella_stampata {
  std::int64_t chiave = 0;
  std::size_t colonna = 0;
  std::string testo;
  std::size_t riga = 0;
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
  std::vector<pagina_della_tabella> pagine;
  std::vector<riga_omessa> omesse;
  std::vector<cella_stampata> celle_scheda, celle_ordine;
};

// The table from the lines of its file; each fault as "FILE:RIGA: ..." in
// errori (UTF-8).
tabella_documenti leggi_tabella_documenti(const std::vector<std::string>& righe, const std::string& file,
                                          std::vector<std::string>& errori);
