#pragma once
#include <string>

// The program's title: the title of its message box.
inline constexpr char titolo_programma[] = "Velstra_Ordoven_318";

// Tells the user one thing and waits until it is seen: a modal box with the
// text (UTF-8), a single OK button, no icon and the program's title; where
// there are no windows, the text on stderr.
void mostra_messaggio(const std::string& testo);
