#pragma once
#include <filesystem>
#include <string>

// A path from UTF-8 text (a word of the command line, a name). On Windows
// paths are wide and plain narrow text would be read in another code page;
// elsewhere the bytes stay as they are.
inline std::filesystem::path percorso_utf8(const std::string& testo) {
  return std::filesystem::path(std::u8string(testo.begin(), testo.end()));
}
