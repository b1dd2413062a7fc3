#pragma once
#include <ostream>
#include <span>
#include <string>

// scenario formato [NOME]: prints the manual of the source format, or the
// page of one record. Exit status 0, 64 a usage error (an unknown record).
int comando_formato(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);
