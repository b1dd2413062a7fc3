#pragma once

struct stato_treno;
enum class esito_lettura;

// The speed-limit and adhesion profiles of the train file. Each record's
// value holds from its own cell nearest(p/50) on: the record fills the cells
// from the fill position up to that cell with the previous value (at least
// one cell when p/50 rounds above 0), and the end-of-file fill-out carries
// the last value to numero_celle - 3. No fill writes past the last cell.

// velocit: p, v km/h. Speeds are stored as nearest(v/5); one outside 0..255
// is error 25 when it is first written into a cell.
esito_lettura record_velocita(stato_treno& s);

// aderenza: p, a. Only the low 8 bits of the value are stored.
esito_lettura record_aderenza(stato_treno& s);

// End-of-file fill-outs; each writes at least the cell at its position.
void completa_velocita(stato_treno& s);
void completa_aderenza(stato_treno& s);
