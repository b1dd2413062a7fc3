#pragma once
#include <cmath>
#include <cstdint>

// Every conversion of a real value to an integer in the compiler rounds to the
// nearest integer with halves going to the even neighbour: nearbyint in the
// default rounding mode (never round or lround, which send halves away from 0).
inline std::int64_t nearest(double x) { return static_cast<std::int64_t>(std::nearbyint(x)); }
