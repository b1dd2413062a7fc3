#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Where the records of the two source files put their objects, found again
// from the texts by the compiler's own rules for cells, so that a page can
// show, beside a decoded object, the source line that made it.

// A source line: file is an index into sorgenti_scenario::nomi; riga from 1.
struct fonte_riga {
  int file = -1;
  std::size_t riga = 0;
};

// One record that places something on the line.
struct record_vista {
  std::string genere;           // the record's kind: "segnale", "pendenza", ...
  fonte_riga fonte;
  std::int32_t progressiva = 0; // the record's own progressive as written
  // What it covers: first and last cell (a profile: the cell where its value
  // starts; a point object: its cell), for a curve first and last metre.
  std::int64_t da = 0, a = 0;
  std::vector<std::pair<std::int64_t, std::uint8_t>> oggetti;  // cell and kind of each point object it makes
};

struct sorgenti_scenario {
  std::vector<std::string> nomi;                 // file names, one per file present
  std::vector<std::vector<std::string>> righe;   // each file's lines, UTF-8, no line end
  std::vector<record_vista> record;           // in file order, line file first
  std::vector<fonte_riga> stazioni;              // the station records, in the order they number the stations
  bool presenti() const { return !nomi.empty(); }
};

// The lines of a text, split at CR LF, LF and CR as the compiler counts them.
std::vector<std::string> righe_di(const std::string& testo);

// The records of a line file text (file 0) and a train file text (file 1);
// an empty optional text is a missing file. nomi are the names shown.
sorgenti_scenario leggi_sorgenti(const std::string* linea, const std::string& nome_linea, const std::string* treno,
                                 const std::string& nome_treno);

// The record that made the point object of kind tipo at cella, or nullptr.
const record_vista* record_di_oggetto(const sorgenti_scenario& s, std::int64_t cella, std::uint8_t tipo);
