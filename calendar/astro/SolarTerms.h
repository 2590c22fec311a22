// The solar-term table of a solar year: 79 consecutive terms from the December solstice that
// opens the previous solar year, as CJDC instants at the reference meridian and as day numbers.
// Entry i is term (i mod 24) + 1; entries 24 and 48 are the solstices that open and close the
// solar year of the moment the table was built for, entry 72 the one that closes the next year.
#pragma once

#include <array>
#include <cstdint>

#include "calendar/astro/SolEq.h"
#include "calendar/astro/SolarTermNames.h"
#include "calendar/core/Settings.h"

namespace orlun {

inline constexpr int kTermTableSize = 79;
inline constexpr int kQuarterTableSize = 14;


struct SolarTermTable {
    std::array<double, kTermTableSize> TermMoment{};  // CJDC instants
    std::array<int32_t, kTermTableSize> TermDay{};    // their day numbers (floors)
    // The December solstice of b - 2, then the four quarter points of b - 1, b and b + 1 and the
    // March equinox of b + 2 (CJDC). Filled by the true-sun method only; NaN in a mean-sun table.
    std::array<double, kQuarterTableSize> QuarterMoment{};
    int solarYear = 0; // b
};

// The table of the solar year b of the CJDC moment. Mean sun (method 1): each solstice-to-solstice
// interval cut into 24 equal parts of time. True sun (any other method): the quarter points by
// Meeus's method and the terms between them where the engine's apparent Sun reaches 15, 30, 45,
// 60 and 75 degrees past each quarter point, with one delta T, that of year b, for the whole table.
// The instants are CJDC on the meridian of the local time. A local time without a 32-bit day
// number gives solarYear = kNoSolarYear, NaN instants and TermDay = INT32_MIN.
SolarTermTable BuildSolarTerms(LocalTime cjdc, TermMethod method);

// False for a table of a moment without a solar year.
bool IsValid(const SolarTermTable& table);

} // namespace orlun
