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
// A true-sun table asks the engine for the crossings of each of its 13 quarters, six at a time
// (the first is the quarter point itself).
inline constexpr int kTrueSunSearches = kQuarterTableSize - 1;
inline constexpr int kCrossingsPerSearch = 6;
// The instants of one search: the quarter point that starts it and the five terms after it.
using TermCrossings = std::array<DynamicalTime, kCrossingsPerSearch>;

struct SolarTermTable {
    std::array<LocalTime, kTermTableSize> TermMoment{}; // CJDC instants
    std::array<DayNumber, kTermTableSize> TermDay{};    // their day numbers (floors)
    // The December solstice of b - 2, then the four quarter points of b - 1, b and b + 1 and the
    // March equinox of b + 2 (CJDC). Filled by the true-sun method only; NaN in a mean-sun table.
    std::array<LocalTime, kQuarterTableSize> QuarterMoment{};
    int solarYear = 0; // b
};

// The table of the solar year b of the CJDC moment. Mean sun (method 1): each solstice-to-solstice
// interval cut into 24 equal parts of time. True sun (any other method): the quarter points by
// Meeus's method and the terms between them where the engine's apparent Sun reaches 15, 30, 45,
// 60 and 75 degrees past each quarter point, with one delta T, that of year b, for the whole table.
// The instants are CJDC on the meridian of the local time. A local time without a 32-bit day
// number gives solarYear = kNoSolarYear, NaN instants and TermDay = INT32_MIN.
SolarTermTable BuildSolarTerms(LocalTime cjdc, TermMethod method);

// Where the tables get the quarter points and the engine's crossings. This class computes them;
// a subclass may answer from values computed before by this same code (the sky table made at
// build time), which gives the same tables without the cost.
class SkySource {
public:
    virtual ~SkySource() = default;
    // SolsticeOrEquinoxUT(quarter, year).
    virtual Moment QuarterUT(Quarter quarter, int32_t year) const;
    // solar_terms_true_sun(t1, t2, six) for search number `search` (0..12) of the true-sun table
    // of the solar year.
    virtual void Crossings(int32_t solarYear, int search, DynamicalTime t1, DynamicalTime t2, TermCrossings& six) const;
};
// The source that computes everything.
const SkySource& ComputedSky();

// The same tables and solar years, with the quarter points and crossings from the source.
SolarTermTable BuildSolarTerms(LocalTime cjdc, TermMethod method, const SkySource& sky);
int32_t SolarYearOf(LocalTime cjdc, const SkySource& sky);

// False for a table of a moment without a solar year.
bool IsValid(const SolarTermTable& table);

} // namespace orlun
