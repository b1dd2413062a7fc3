#pragma once
#include <string>
#include <string_view>

// A route key or train number given to the tool is a name, not a path: it
// may hold no path separator, no drive prefix, no "..", no control character.
// Returns "" for a valid name, else why it is refused.
std::string motivo_nome_non_valido(std::string_view nome);
