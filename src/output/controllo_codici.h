#pragma once
#include <type_traits>

struct Form1;

// y when x is greater than y, otherwise x (so x when they are equal), in the
// common type of the two.
template <class X, class Y>
std::common_type_t<X, Y> minimo(const X& x, const Y& y) {
  if (x > y) return y;
  return x;
}

// The cab-signal check: one pass over the cells 1 .. numero_celle - 2 that
// places reduced code points (code 180) in front of the signals before a
// slowdown warning, in three windows before a slowdown start, every 8 cells
// inside a slowdown slower than 110 and in front of the first signal after
// it. Changes are made in place as it goes. A code point with no room is
// recorded as error 11, 12 or 13 and the pass goes on. Needs percorso.
void controllo_codici(Form1& f);
