#pragma once
#include <string>
#include <string_view>

// A JSON string literal, quotes included. Valid UTF-8 passes through; each
// byte that is not part of valid UTF-8 is taken as Windows-1252 and written
// as a \u escape, so the output is always valid JSON.
std::string testo_json(std::string_view testo);
