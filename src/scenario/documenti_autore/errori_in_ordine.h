#pragma once
#include <string>
#include <vector>

// The faults "FILE:RIGA: ..." of the table and the notes in the order of the
// files: each file where its first fault came, its faults by line; faults of
// one line keep their order, a fault without a line comes after its file's.
void errori_in_ordine(std::vector<std::string>& errori);
