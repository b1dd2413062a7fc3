#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

struct Form1;

// The plan of the line: a dead-reckoning walk of one point per metre that
// starts at the origin heading along the second coordinate, goes straight
// where there is no curve and turns by a fixed factor per metre inside one.
// The cursor is the next metre to compute; it only grows.

// Metres beyond which a curve may not drive the cursor.
inline constexpr std::int32_t ultimo_metro_curve = 1000000;

// The four seeds (16-bit integers): P(0) = (0, 0), P(1) = (0, 1); cursor 2.
void semina_piano(Form1& f, std::int32_t& cursore);

// Turn per metre of a curve keyword: the first of the digits 1 to 6 it holds
// picks the class, an "s" of either case turns towards the negative first
// coordinate. Empty when it holds no class digit.
std::optional<double> fattore_curva(std::string_view parola);

enum class esito_curva {
  fatta,
  senza_classe,      // no digit 1 to 6 in the keyword
  oltre_la_tabella,  // the curve would end past the last metre of the plan
  oltre_il_limite,   // the cursor passed ultimo_metro_curve
};

// Straight points up to p, then curved points up to p + n. Checks the class
// digit, then that the curve ends inside the table, before any point is
// computed; the cursor limit is checked after every point.
esito_curva aggiungi_curva(Form1& f, std::int32_t& cursore, std::int32_t p, std::int32_t n, std::string_view parola);

// Straight points up to lunghezza_estesa - 2; the last two points stay empty.
void estendi_piano(Form1& f, std::int32_t& cursore);
