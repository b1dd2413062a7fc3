#pragma once
#include <ostream>

// Form1, the window of the run, with its one label "Attendere": shown and
// painted once before the long work starts, then left alone (the work runs on
// the same thread and handles no event). Where there are no windows the label
// is the line "Attendere" on the console.
void mostra_finestra(std::ostream& console);

// Destroys the window at the end of the run; nothing where there is none.
void chiudi_finestra();
