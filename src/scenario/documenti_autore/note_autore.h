#pragma once
#include <string>
#include <string_view>
#include <vector>

// The notes for the driver are the author's own text: kept line by line as
// written (UTF-8 converted, every line ended with CR LF), faults in errori;
// without a file, a short form to fill in with the route key and train.
std::string note_dell_autore(const std::string* byte, const std::string& file, const std::string& percorso,
                             const std::string& treno, std::vector<std::string>& errori);
