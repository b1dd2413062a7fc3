#pragma once
#include <filesystem>
#include <string>

#include "base/stato.h"
#include "output/formati/carico.h"

// The scenario a packed program carries after its own bytes. Reads the
// 20-byte trailer first and the payload only when the trailer names one, so
// the program without a payload reads no more than that. presente false (and
// ok) without a payload; a payload that fails its check is a valore failure
// that says what is wrong; a program that cannot be read, a file_system one.
stato carico_del_programma(const std::filesystem::path& programma, carico_scenario& c, bool& presente);

// What a player reads when the program cannot give its scenario: words first
// (what happened, that nothing was written, what to do), the check's own
// numbers on a second line for whoever helps them.
std::string messaggio_carico_guasto(const stato& s);
