#pragma once
#include <cstddef>
#include <string_view>

// How many edits turn a into b: a byte put in, taken out or changed, or two
// neighbouring bytes swapped ("segnlae" is one edit from "segnale"). Bytes
// are compared as they are: the caller folds letter case when it means to.
std::size_t distanza_modifiche(std::string_view a, std::string_view b);
