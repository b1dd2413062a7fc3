#pragma once
#include <compare>
#include <string>

// The keys of the server's checks. A route's source files in one folder
// (its line file and its train files) make a group; a pair is the line file
// with one of its train files, checked together.

struct gruppo_sorgenti {
  std::string cartella;  // the folder's URI
  std::string percorso;  // the route
  auto operator<=>(const gruppo_sorgenti&) const = default;
};

struct coppia_sorgenti {
  gruppo_sorgenti gruppo;
  std::string treno;  // "" for a line file checked without a train
  auto operator<=>(const coppia_sorgenti&) const = default;
};
