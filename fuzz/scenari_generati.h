#pragma once
#include <cstdint>
#include <string>

// Valid scenarios of many shapes for the tests that hold the tool's readings
// against the compiler: the embedded line and train with a part of their
// objects left out (signals, slowdowns, stations, boards, signs, curves,
// gradients, speeds, adherence, code drops) and a quarter of the signals,
// slowdowns and signs moved by up to 25 m off their cell's start,
// chosen by the seed. Most of them
// compile without error; a caller keeps those that do.
struct scenario_generato {
  std::string linea, treno;  // Windows-1252, CR LF, as the embedded files
};
scenario_generato genera_scenario(std::uint64_t seme);
// The same on a short pair of 4 km with two records of each kind.
scenario_generato genera_scenario_breve(std::uint64_t seme);

// True when the two sources compile without a recorded error, with the plan
// and without it.
bool compila_senza_errori(const scenario_generato& g);
