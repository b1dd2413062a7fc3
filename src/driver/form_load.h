#pragma once
#include <ostream>

struct Form1;
struct carico_scenario;

// The whole run, in its fixed order: names, the window (where there are no
// windows, the "Attendere" line on console), the five writers, then the compiler. Files go to f.cartella. Ends through
// errore (an interruzione) on a slot conflict or when no cell array was built.
// With a carico (the scenario a packed program carries) its names, sources and
// documents are written in place of the embedded ones, in the same order.
// Temporary files a killed run left beside the run's files are removed first.
void Form_Load(Form1& f, std::ostream& console, const carico_scenario* carico = nullptr);

// Exit status and stderr report after Form_Load returned: 0 without a
// recorded error, 1 with one (reported as one line on err).
int esito_run(const Form1& f, std::ostream& err);
