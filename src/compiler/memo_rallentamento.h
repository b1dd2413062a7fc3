#pragma once
#include <cstdint>

struct Form1;

// Cells of a slowdown starting at progressive r1 and r3 metres long.
struct celle_rallentamento {
  std::int64_t avviso;  // warning sign, 1200 m before the start: nearest((r1 - 1200)/50 + 1)
  std::int64_t inizio;  // nearest(r1/50 + 1)
  std::int64_t fine;    // nearest((r1 + r3)/50 + 1)
  std::int64_t tavola;  // distance board next to the warning sign: nearest((r1 - 1200)/50)
};
celle_rallentamento celle_di_rallentamento(std::int32_t r1, std::int32_t r3);

// A slowdown starting at 1500 m or less has no warning sign and no boards.
bool con_avviso(std::int32_t r1);

// Places the slowdown of one rallentamento record (start r1, speed r2,
// length r3, value r4, boards flag r5, value r6) whose start and end cells the
// reader has checked to lie inside percorso. Checks warning, start and end
// cells before writing any (errors 17, 18, 19); error 20 when a board cell is
// taken, after the other cells are written. Throws interruzione (lettura) for a cell
// outside percorso (the reader refuses those first).
void memo_rallentamento(Form1& f, std::int32_t r1, std::int32_t r2, std::int32_t r3, std::int32_t r4, std::int32_t r5,
                        std::int32_t r6);
