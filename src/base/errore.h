#pragma once
#include <string>

// The run ends through errore: the program catches the interruzione at its
// top, shows " Errore n. " followed by a and ends. Nothing after the call runs
// and no file not yet written is written.
[[noreturn]] void errore(const std::string& a);
// The text errore shows: " Errore n. " followed directly by a.
std::string messaggio_errore(const std::string& a);
