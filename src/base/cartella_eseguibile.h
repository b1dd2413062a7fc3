#pragma once
#include <filesystem>

// The folder of the running executable: every file of the run lies there.
std::filesystem::path cartella_eseguibile();

// A path that opens the running executable itself: the packed program reads
// the scenario it carries after its own bytes. Empty when the system does not
// say.
std::filesystem::path percorso_eseguibile();
