#pragma once
#include <string>
#include <vector>

// The words after the program's name, in UTF-8: on Windows taken from the
// wide command line (argv is in the ANSI code page there, which cannot hold
// every folder name), elsewhere argv as it is.
std::vector<std::string> parole_riga_comando(int argc, char** argv);
