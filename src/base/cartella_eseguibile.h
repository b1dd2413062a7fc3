#pragma once
#include <filesystem>

// The folder of the running executable: every file of the run lies there.
std::filesystem::path cartella_eseguibile();

// The running executable itself: the packed program reads the scenario it
// carries after its own bytes.
std::filesystem::path percorso_eseguibile();
