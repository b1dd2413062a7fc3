#pragma once
#include <cstdio>
#include <filesystem>
#include <system_error>

// The two platform steps of replacing a file whole through a temporary file.

// Opens a file for binary writing, created or emptied: bytes go out exactly
// as given (CR LF never doubled). nullptr with errno set when it cannot.
std::FILE* apri_in_scrittura(const std::filesystem::path& file);

// Puts the file da in the place of a, in one step, replacing an existing a.
std::error_code sposta_al_posto(const std::filesystem::path& da, const std::filesystem::path& a);
