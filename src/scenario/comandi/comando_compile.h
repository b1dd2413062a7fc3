#pragma once
#include <ostream>
#include <span>
#include <string>

#include "scenario/comandi/argomenti_scenario.h"

// scenario compile [--no-plan] [--json] DIR ROUTE TRAIN: compiles the two
// source files of DIR as the program does, from a private copy so that the
// author's files stay, and puts the compact files into DIR. Returns the exit
// status: 0 no error recorded, 1 an error recorded (files written), 2 the run
// ended through errore (no file written) or a file-system failure, 64 a usage
// error. argomenti are the words after "compile".
int comando_compile(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err);

// The command's --help text.
extern const char* const aiuto_compile;

// The command's row of the table: its words, its prologue, its run.
extern const regola_comando regola_compile;
