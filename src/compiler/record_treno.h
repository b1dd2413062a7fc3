#pragma once

struct stato_treno;
enum class esito_lettura;

// The records of the train file other than the profiles and the stations.
// Each reads its fields (storing each as soon as it is read where it has a
// place), then checks its progressive: beyond the cell array, or addressing a
// cell outside percorso, is error 15 (end-of-file path).

// frenata + massa, vetture: stazioni[84].inizio and .progressiva.
void record_massa_frenata(stato_treno& s);
void record_vetture(stato_treno& s);

// orologio: hours, minutes, seconds into stazioni[86].campo_9..campo_11;
// sabbia: stazioni[86].campo_7. 16-bit each.
void record_orologio(stato_treno& s);
void record_sabbia(stato_treno& s);

// abbattimento: p, k. A code point at cell nearest(p/50): tipo 12 with the
// code, or 13 when k is not above 0. Error 7 when the cell is taken.
esito_lettura record_abbattimento(stato_treno& s);

// segnale: eleven numbers, placed by memo_segnale. rallentamento: six
// numbers, placed by memo_rallentamento. Any error standing after the call
// (its own 16 to 20, or an earlier 15) stops the reader with p recorded.
esito_lettura record_segnale(stato_treno& s);
esito_lettura record_rallentamento(stato_treno& s);
