// The seams between the ephemeris files: at each New Year of a year divisible by 600.
#include <gtest/gtest.h>

#include <limits>

#include "engine/lunev.h"

namespace {

TEST(EphemerisSeams, WithinTheMarginOfANewYearOfAYearDivisibleBy600)
{
    // 0h UT of January 1 (Gregorian) of 600 and of -3000.
    constexpr double k600 = 1940205.5;
    constexpr double kMinus3000 = 625332.5;
    const struct {
        double jd;
        bool near;
    } cases[] = {{k600, true},          {k600 - 200, true},   {k600 + 200.01, false}, {kMinus3000 - 150, true},
                 {2451545.0, false},    {std::numeric_limits<double>::quiet_NaN(), false}, {1e15, false}};
    for (const auto& c : cases) EXPECT_EQ(near_ephemeris_seam(c.jd, 200), c.near) << c.jd;
}

} // namespace
