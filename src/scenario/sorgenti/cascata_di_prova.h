#pragma once
// For the tests of the tool: a small pair where an error the line reader
// records stops the train reader at a later record. The line is 8000 m long
// (records reach 14900 m), its gradient written at 16000 m is beyond that:
// error 15, and the train file is still read, to its first signal.
#include <initializer_list>
#include <string>
#include <string_view>

namespace cascata_di_prova {

// Lines joined with CR LF, the last one ended too.
inline std::string righe(std::initializer_list<std::string_view> v) {
  std::string s;
  for (std::string_view r : v) (s += r) += "\r\n";
  return s;
}

// The gradient at fault is line 5, its progressive at column 12.
inline std::string linea(std::string_view pendenza = "pendenza,  16000,   2") {
  return righe({"[generale]", "lunghezza percorso,    8000", "[pendenze]", "pendenza,  0,   0", pendenza, "[fine]"});
}

// Two stations, then the records from line 7 on.
inline std::string treno(std::string_view settima = "segnale,    2000,   2, 4, 1,  1, 0,    0,  0,0,0, 0",
                         std::string_view ottava = "segnale,    3000,   2, 4, 1,  1, 0,    0,  0,0,0, 0") {
  return righe({"[generale]", "numero vetture,    5", "[stazioni]",
                "stazione,       0,  8,  600,  1, 0, 0,  4,1,1,  2,1,1,    0,  13,15, 0, ALFA",
                "stazione,    6000,  8,  600,  1, 0, 0,  4,1,1,  2,1,1,    0,  13,25, 0, BETA", "[segnali]", settima,
                ottava, "[fine]"});
}

// The same pair with reports of both kinds in both files, in file order:
// the line's warning at line 3 (no curve), its error at 5, a warning at 6
// ("7000OO"); the train's warning at 2 ("molta"), and its error at 8 once the
// line's record is set aside: the second signal on the first one's cell.
inline std::string linea_con_avvisi() {
  return righe({"[generale]", "lunghezza percorso,    8000", "[pendenze]", "pendenza,  0,   0", "pendenza,  16000,   2",
                "pendenza,  7000OO,   1", "[fine]"});
}
inline std::string treno_con_avvisi() {
  std::string t = treno("segnale,    2000,   2, 4, 1,  1, 0,    0,  0,0,0, 0",
                        "segnale,    2000,   2, 4, 1,  1, 0,    0,  0,0,0, 0");
  return t.replace(t.find("numero vetture,    5"), 20, "sabbia,    molta");
}

}  // namespace cascata_di_prova
