#pragma once

struct stato_treno;
enum class esito_lettura;

// stazione: sixteen numbers and a name, stored field by field into the
// stazioni entry of the station counter. Computes the station area from its
// type, clears the values that do not apply, marks the approach cells and the
// end-marker cell (types below 25), checks the spacing from the previous
// station and the meeting with the sign texts of the line file.
// Errors: 15 (range, or end marker beyond percorso: end-of-file path),
// 8, 9, 22 (with the progressive), 24, 10; 25 (thrown) for a value that does
// not fit its place.
esito_lettura record_stazione(stato_treno& s);
