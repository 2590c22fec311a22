// The seams between the ephemeris files: at each New Year of a year divisible by 600.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/lunev.h"

namespace {

// JD of 0h UT of January 1 (Gregorian) of the years of the seams.
constexpr double kSeam600 = 1940205.5;
constexpr double kSeam3000 = 2816787.5;
constexpr double kSeamMinus3000 = 625332.5;

struct SeamCase {
    double jd;
    double margin;
    bool near;
};

TEST(EphemerisSeams, WithinTheMarginOfANewYearOfAYearDivisibleBy600)
{
    const SeamCase cases[] = {
        {kSeam600, 0, true},           {kSeam600 - 200, 200, true},   {kSeam600 + 200, 200, true},
        {kSeam600 - 200.01, 200, false}, {kSeam600 + 200.01, 200, false}, {kSeam3000 + 30, 200, true},
        {kSeamMinus3000 - 100, 200, true}, {2451545.0, 200, false},     {kSeam600 + 300 * 365.25, 200, false},
        {std::numeric_limits<double>::quiet_NaN(), 200, false},
        {std::numeric_limits<double>::infinity(), 200, false},         {1e15, 200, false},
    };
    for (const SeamCase& c : cases) EXPECT_EQ(near_ephemeris_seam(c.jd, c.margin), c.near) << c.jd << " " << c.margin;
}

} // namespace
