#pragma once
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

// A failure of the file system itself (folder not writable, disk full, a file
// that cannot be deleted). The message names the file and the cause.
struct errore_file_system : std::runtime_error {
  std::filesystem::path file;
  errore_file_system(const std::filesystem::path& f, const std::string& causa)
      : std::runtime_error(f.string() + ": " + causa), file(f) {}
};

// Replaces the file whole: the bytes go to a temporary file in the same folder,
// which is then renamed over the target, so an earlier file is never lost or
// truncated when writing fails part way.
void sostituisci_file(const std::filesystem::path& file, std::string_view byte);

// Deletes a file; a missing file is no failure.
void elimina_file(const std::filesystem::path& file);
