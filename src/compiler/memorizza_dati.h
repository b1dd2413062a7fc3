#pragma once

struct Form1;

// Reads the line source file and then, unless the line reader stopped on an
// error other than 15, the train source file of f.cartella into the model.
// Both files are deleted on every way out.
void memorizza_dati(Form1& f);
