#pragma once

struct tela;

// The map of the stretch from the plan, turned so that it fills its box (the
// start on the left), with a north arrow and a scale bar; station dots, and
// names with leader lines where they fit without covering a text or a dot.
// Names left out are counted in tela::omessi_mappa.
void disegna_mappa(tela& d);
