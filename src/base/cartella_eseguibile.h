#pragma once
#include <filesystem>

// The folder of the running executable: every file of the run lies there.
std::filesystem::path cartella_eseguibile();
