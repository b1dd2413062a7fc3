#pragma once
#include <cstdint>

struct Form1;

// First and last cell a mountain stretch from a to b covers:
// nearest(a/50) to nearest(b/50 - 1). The range is empty when primo > ultimo.
struct celle_montagna {
  std::int64_t primo;
  std::int64_t ultimo;
};
celle_montagna celle_di_montagna(std::int32_t a, std::int32_t b);

// Stores one mountain stretch: counts it in montagna_inizio/montagna_fine and
// writes its class into the cells it covers. A value above 10 marks the
// stretch (class v - 10) and puts a mountain marker on every fourth empty
// cell; a stretch starting at most 150 m after the previous one's end is
// class 3. Sets no error: the reader refuses a 81st stretch and a cell range
// outside percorso first; here they are only ignored, never written.
void memo_montagna(Form1& f, std::int32_t a, std::int32_t b, std::int32_t v);
