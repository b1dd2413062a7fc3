#pragma once

struct Form1;

// Sorts the three chainage series (stazioni 81 to 83: start, reference, flag)
// by start, largest first, then adds 100 to the reference of each series
// whose flag is 1. Throws interruzione (lettura) when such a reference would leave
// the signed 32-bit range (that reference and the ones after it stay).
void progressive_ordina(Form1& f);
