#pragma once
#include <ostream>
#include <span>
#include <string>

// scenario extract DIR: writes the embedded scenario's five text files into
// DIR exactly as the program writes them, without compiling. Exit status 0,
// 2 when a file cannot be written, 64 a usage error.
int comando_extract(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

extern const char* const aiuto_extract;
