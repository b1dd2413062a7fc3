#pragma once
#include <vector>

#include "scenario/compatti/scenario_compatto.h"
#include "scenario/pagina/diagnostiche_view.h"
#include "scenario/sorgenti/diagnostica.h"
#include "scenario/sorgenti/indice_sorgenti.h"
#include "scenario/testo/nodo_rapporto.h"

// Smallest deviation of the plan (metres) that the page can still draw: the
// plan is thinned to it once, and the page thins further per zoom.
inline constexpr double tolleranza_piano_m = 0.05;

// Everything the page of `scenario view` shows, as one tree (written as JSON
// into the page): the report of the compact files with their sources, as
// `inspect` builds it, and beside it what the drawing needs: the cell length,
// the profiles as runs of cells, each object's and station's source line
// (file 0 is the first source file present), the plan thinned for every zoom
// (coordinates in centimetres), the source texts and the diagnostics. ind is
// the index of the texts t, with its file names. The shape of the tree is
// docs/schema/view.schema.json. modifiche, when given, is the list of the
// changes from an older version (as `diff` makes it, this scenario its B):
// the page marks and lists them.
nodo dati_view(const scenario_compatto& s, const indice_sorgenti& ind, const testi_sorgente& t,
               const std::vector<diagnostica_view>& d, const nodo* modifiche = nullptr);
