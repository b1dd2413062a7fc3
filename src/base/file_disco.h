#pragma once
#include <cstdint>
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

// The temporary file beside the target is the target's name and this: a run
// killed part way may leave one, which the next run removes.
inline constexpr char coda_temporanea[] = ".tmp~";

// The last n bytes of the file (the whole file when it is shorter), read
// without the rest: the packed program reads its trailer first.
stato leggi_coda_file_disco(const std::filesystem::path& file, std::uint64_t n, std::string& byte);
