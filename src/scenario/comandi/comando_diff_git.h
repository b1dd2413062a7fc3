#pragma once
#include <ostream>
#include <span>
#include <string>

#include "scenario/comandi/argomenti_scenario.h"

// scenario diff --git PATH OLD-FILE OLD-HEX OLD-MODE NEW-FILE NEW-HEX NEW-MODE
// [NEW-PATH RENAME-INFO]: git's external diff driver for one source file.
// The two versions are compiled with the partner file beside PATH in the
// working tree and their changes printed in railway terms; a side that does
// not compile (a new or deleted file, no partner, errors) is said and the
// two listings of 'scenario testo' are compared line by line instead. Exit
// status 0 whenever it compared (git stops on any other), 2 a file that
// could not be read, 64 a usage error.
int comando_diff_git(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

// The row of diff's git form, run when its first word is --git.
extern const regola_comando regola_diff_git;
