#pragma once
#include <span>
#include <string>
#include <vector>

#include "base/stato.h"

class cartella_file;

// A file the run (or a command of the tool) is about to write, with the bytes
// it will hold.
struct file_previsto {
  std::string nome;
  std::string byte;
};

// Before the writers replace them: every file of the list that is already in
// the folder with other bytes (an author's edited source or document) is copied whole to NAME.bak, or NAME.2.bak,
// NAME.3.bak... when that name is taken, so the run never destroys a file it did not write. A file with the same bytes,
// or none, is left to the writer. Returns one line for the user for each file kept, in the list's order; a failure of
// the folder ends the run as the writers' would.
std::vector<std::string> conserva_file_altrui(cartella_file& cartella, std::span<const file_previsto> previsti);
