#pragma once
#include <string>
#include <system_error>

// The system's failures in our own words, in Italian, on every platform: the
// reason a file could not be read, written or deleted never reaches the user
// in the system's language ("Is a directory", "Access denied.").

// The words for an error number of the C library (errno).
std::string causa_errno(int codice);
// The words for an error code of the platform (on Windows, GetLastError's).
std::string causa_sistema(unsigned long codice);
// The words for an error code of the standard library: its generic codes
// through causa_errno, its system codes through causa_sistema.
std::string causa_di(const std::error_code& ec);
