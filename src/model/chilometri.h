#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/stazione.h"

// Kilometre posts: the numbers on the line's signs and on the timetable
// sheet, beside the progressive (the distance from the start) the compiler
// works in. A chainage series of the line file is in force after its start
// progressive up to and including the next series' start; under it the post
// is the reference as the author wrote it minus the progressive. Before the
// first series the post is the distance from the start.

struct serie_chilometrica {
  std::int32_t inizio = 0;       // in force after this progressive
  std::int64_t riferimento = 0;  // as written in the line file
};

// The series of a line from the stazioni table as the compiler leaves it (the
// entries of "progressiva chilometrica uno/due/tre", sorted, 100 added to the
// reference of a series whose flag is 1): the written references, by start,
// an all-zero series (unused) left out.
std::vector<serie_chilometrica> serie_chilometriche(std::span<const stazione> stazioni);

struct punto_chilometrico {
  std::int64_t metri = 0;  // the post in metres: 55700 is "55+700"
  bool da_serie = false;   // false: before every series, the distance from the start
};

// The post at a progressive.
punto_chilometrico punto_di(std::span<const serie_chilometrica> serie, std::int64_t progressiva);

// "55+700"; "-0+150" for a post below zero.
std::string testo_punto(std::int64_t metri);

// Every progressive of the line (0 to lunghezza) where the post stands, in
// order: a post can occur twice where the count restarts.
std::vector<std::int64_t> progressive_del_punto(std::span<const serie_chilometrica> serie, std::int64_t metri,
                                                std::int64_t lunghezza);
