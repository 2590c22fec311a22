// Floor division and the modulus that goes with it, for the day, year and cycle counts that run
// the same way on both sides of zero (C++ division truncates towards zero instead).
#pragma once

#include <cstdint>

namespace orlun {

// floor(n / d) for d != 0.
inline constexpr int64_t FloorDiv(int64_t n, int64_t d) { return n / d - ((n % d != 0) && ((n < 0) != (d < 0))); }

// n - d * floor(n / d): in 0..d-1 for d > 0, negative n too.
inline constexpr int64_t FloorMod(int64_t n, int64_t d) { return n - FloorDiv(n, d) * d; }

static_assert(FloorDiv(-1, 60) == -1 && FloorDiv(59, 60) == 0 && FloorDiv(-60, 60) == -1 && FloorDiv(-61, 60) == -2);
static_assert(FloorMod(-1, 60) == 59 && FloorMod(60, 60) == 0 && FloorMod(-7, 7) == 0);

} // namespace orlun
