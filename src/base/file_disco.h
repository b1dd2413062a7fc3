#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "base/stato.h"

// Whole-file access on disk, one implementation per platform.
// The whole file in one read; non_trovato when there is no regular file.
stato leggi_file_disco(const std::filesystem::path& file, std::string& byte);
// The bytes go to a temporary file beside the target, are flushed to the
// disk, and the temporary file is renamed over the target: an earlier file is
// never lost or cut short when the write fails part way.
stato sostituisci_file_disco(const std::filesystem::path& file, std::string_view byte);
