// Floor division and modulus on both sides of zero, at multiples of the divisor and at the ends of
// the counts they are used on (day numbers, years, quarters of a lunation).
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "calendar/core/CycleCounts.h"
#include "calendar/core/FloorDivision.h"

using namespace orlun;

TEST(FloorDivision, QuotientAndModulusOnBothSidesOfZero)
{
    constexpr int64_t kMin32 = std::numeric_limits<int32_t>::min();
    constexpr int64_t kMax32 = std::numeric_limits<int32_t>::max();
    struct Case {
        int64_t n, d, quotient, modulus;
    };
    const Case cases[] = {
        {0, 60, 0, 0},         {59, 60, 0, 59},          {60, 60, 1, 0},
        {-1, 60, -1, 59},      {-59, 60, -1, 1},         {-60, 60, -1, 0},
        {-61, 60, -2, 59},     {-7, 7, -1, 0},           {-8, 7, -2, 6},
        {-1, 4, -1, 3},        {-4, 4, -1, 0},           {5, 4, 1, 1},
        {kMin32, 7, -306783379, 5}, {kMax32, 7, 306783378, 1},
        // A negative divisor: the quotient still rounds down, the modulus takes its sign.
        {7, -2, -4, -1},       {-7, -2, 3, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FloorDiv(c.n, c.d), c.quotient) << c.n << " div " << c.d;
        EXPECT_EQ(FloorMod(c.n, c.d), c.modulus) << c.n << " mod " << c.d;
        EXPECT_EQ(FloorDiv(c.n, c.d) * c.d + FloorMod(c.n, c.d), c.n) << c.n << ", " << c.d;
    }
}

TEST(FloorDivision, ModulusStaysInTheCycleForEveryYearOfTheRange)
{
    for (int64_t year = -3100; year <= 3100; ++year) {
        const int64_t m = FloorMod(year, kCyclePositions);
        ASSERT_TRUE(m >= 0 && m < kCyclePositions) << year;
        ASSERT_EQ(FloorMod(year + 1, kCyclePositions), (m + 1) % kCyclePositions) << year;
    }
}
