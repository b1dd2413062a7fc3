#pragma once
#include <string>

// The run ends through errore: the program catches this at its top, shows
// " Errore n. " followed by the text and ends with exit status 2. Nothing
// after the call runs and no file not yet written is written.
struct fine_con_errore {
  std::string a;
};

[[noreturn]] void errore(const std::string& a);

// The text errore shows: " Errore n. " followed directly by a.
std::string messaggio_errore(const std::string& a);
