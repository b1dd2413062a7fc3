#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Form1;

// The compiler's entry: reads both source files of f.cartella into the model,
// completes the cab-signal codes, stamps the fixed marks and the
// identification codes and writes the compact files (the plan file only when
// j is non-zero), each replaced whole. Ends through errore when no cell array
// was built ("<recorded number>") or a reserved slot is taken ("1250",
// "1251"); then no compact file is touched. When scritti is given, each
// compact file is appended to it once written, in the order written.
void memorizza_percorso(Form1& f, std::int32_t j, std::vector<std::string>* scritti = nullptr);

// What memorizza_percorso does once both files are read: errore
// "<recorded number>" when no cell array was built, else completa_e_scrivi.
void completa_dopo_lettura(Form1& f, std::vector<std::string>* scritti = nullptr);

// The part after reading, on a model that has its cell array (cells 0 and 1
// at least): code check, marks 610 / 5121 (errore "1250" when a slot is
// taken), identification codes (errore "1251"), then the plan file when
// con_planimetria is non-zero, the scenario file and the track file. The plan
// is handed to its file: f.planimetria no longer exists once it is written.
void completa_e_scrivi(Form1& f, std::vector<std::string>* scritti = nullptr);
