#pragma once
#include <nlohmann/json.hpp>
#include <ostream>

// A JSON value on one line in the tool's own spacing: ", " between items and
// ": " after a key, keys in the order they were put. Every string goes
// through testo_json (valid UTF-8 passes, any other byte is read as
// Windows-1252), so the text is valid JSON whatever bytes a file name holds.
void scrivi_json_in_riga(std::ostream& out, const nlohmann::ordered_json& j);
