#pragma once
#include <ostream>
#include <vector>

#include "scenario/confronto/confronto_compatti.h"
#include "scenario/confronto/confronto_scenari.h"
#include "scenario/testo/nodo_rapporto.h"

// Whether A and B differ: a change of the compiled scenario, or compact
// files not byte for byte the same.
bool ci_sono_differenze(const std::vector<modifica>& m, const confronto_compatti& c);

// The changes as diff prints them: each change's sentence with its place in
// A and in B, how many, the compact files when anything differs, then the
// edits of the sources that change nothing compiled, in a section apart.
// Nothing at all when nothing differs and no source was edited.
void stampa_modifiche(std::ostream& out, const std::vector<modifica>& m, const confronto_compatti& c);

// The compact files as a report tree: {identici, file, codici_cambiati}.
nodo nodo_compatti(const confronto_compatti& c);
