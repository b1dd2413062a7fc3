#pragma once
#include <filesystem>

struct Form1;

// Every file lies in the run's folder and is named from the route key and,
// for all but the line source file and the plan file, "_" and the train number.
std::filesystem::path file_linea(const Form1& f);         // KEY_linea.txt
std::filesystem::path file_treno(const Form1& f);         // KEY_TRAIN-.txt
std::filesystem::path file_note(const Form1& f);          // KEY_TRAIN_note.txt
std::filesystem::path file_rallentamenti(const Form1& f); // KEY_TRAIN_rallentamenti.txt
std::filesystem::path file_scheda(const Form1& f);        // KEY_TRAIN_scheda_treno.txt
std::filesystem::path file_piano(const Form1& f);         // KEY_linea.dat
std::filesystem::path file_scenario(const Form1& f);      // KEY_TRAIN.sim
std::filesystem::path file_tracciato(const Form1& f);     // KEY_TRAIN.dat
