#pragma once

#include <string>

struct stato_linea;
enum class esito_lettura;

// The records of the line file's record part. Each reads all its fields from
// the item after its keyword, then checks, in this order: the model is sized
// (else error 25, thrown), its first progressive lies inside percorso (else
// error 15), its own checks. errore_15 ends the record part; interrotta ends
// the reader at once (error recorded, the caller deletes the file).

// pendenza: p, g. Fills the gradient of the cells up to nearest(p/50).
esito_lettura record_pendenza(stato_linea& s);

// "curvaX": p, n. Drives the plan; error 103 without a class digit or when the
// plan cursor passes its limit, 15 when the curve would end past the plan.
esito_lettura record_curva(stato_linea& s, const std::string& parola);

// montagna: a, b, v. Error 15 when its cells lie outside percorso, 26 for
// the stretch after the 80th.
esito_lettura record_montagna(stato_linea& s);

// indicatori_v: p and eight values. Error 21 when the board's cell is taken.
esito_lettura record_indicatori_v_max(stato_linea& s);

// cartello + indicat: p and a text. Error 6 when the cell is taken, 27
// for the sign after the 80th.
esito_lettura record_cartello(stato_linea& s);
