#pragma once
#include <algorithm>
#include <cstddef>
#include <initializer_list>

#include "model/form1.h"
#include "scenario/sorgenti/struttura_sorgente.h"

// Which record and which field of a source file an error points at, read
// from the file's one walk.

// The items of the record whose keyword begins at offset_chiave, after the
// keyword: the n-th (from 1), nullptr when the file ends first or no record
// begins there.
const voce_record* campo_di(const struttura_sorgente& s, std::size_t offset_chiave, int n);

// Every record of the walk of one of the kinds, in file order.
template <typename F>
void per_ogni_record(const struttura_sorgente& s, std::initializer_list<genere_record> generi, F&& fai) {
  for (const record_struttura& r : s.record)
    if (std::find(generi.begin(), generi.end(), r.forma->genere) != generi.end()) fai(r);
}

// Errors of the code check have no source place of their own: the offset of
// the keyword of the train file's slowdown the error in f belongs to, npos
// when none fits.
std::size_t rallentamento_di(const Form1& f, const struttura_sorgente& treno);

// Error 2: the offset of the first start or reference of a chainage series
// of the line file off the 50 m step, npos when none is.
std::size_t serie_fuori_passo(const struttura_sorgente& linea);
