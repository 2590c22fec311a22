// The sky table's bytes give back every stored instant to the last bit, leave out what they cannot
// hold exactly, and a damaged or foreign table answers nothing (so the engine answers instead).
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <string>

#include "calendar/astro/SkyTableFormat.h"

using namespace orlun;
using namespace orlun::skytable;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
bool SameBits(double a, double b) { return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b); }

YearValues Year(double start)
{
    YearValues y;
    y.present = true;
    y.quarterUT = {start, start + 93.1, start + 186.2, start + 276.9};
    for (int m = 0; m < kTrueSunSearches; ++m)
        for (int j = 0; j < kCrossingsPerSearch; ++j)
            y.search[m][j] = start + 91.3 * m + 15.2 * j + 1e-7 * j * j;
    return y;
}

// Dark moons around the bit-pattern step at 2^20 days, a missing one in the second block, and
// years that can and cannot be stored.
Contents Sample()
{
    Contents c;
    c.firstLunation = -40;
    for (int i = 0; i < 40; ++i)
        c.darkMoonUT.push_back(1048576.0 - 500.0 + 29.530588 * i + std::ldexp(1.0, -30) * i);
    c.darkMoonUT[20] = std::nullopt;
    c.firstYear = 1999;
    c.years = {Year(1048400.25), Year(2451545.0), Year(2451910.5), Year(2452275.75)};
    c.years[1].present = false;
    c.years[2].search[4][3] = c.years[2].search[4][2] - 1e-9; // decreasing
    c.years[3].quarterUT[2] = kNaN;
    return c;
}

TEST(SkyTableFormat, GivesBackEveryStoredInstantToTheBit)
{
    const Contents c = Sample();
    const std::string bytes = Encode(c);
    const View v(bytes);
    ASSERT_FALSE(v.Empty());
    for (int i = 0; i < 40; ++i) {
        const std::optional<double> ut = v.DarkMoonUT(c.firstLunation + i);
        if (i >= 16 && i < 32) { // the block of the missing lunation
            EXPECT_FALSE(ut) << i;
            continue;
        }
        ASSERT_TRUE(ut) << i;
        EXPECT_TRUE(SameBits(*ut, *c.darkMoonUT[i])) << i;
    }
    for (int q = 0; q < kQuartersPerYear; ++q)
        EXPECT_TRUE(SameBits(*v.QuarterUT(static_cast<Quarter>(q), 1999), c.years[0].quarterUT[q]));
    for (int m = 0; m < kTrueSunSearches; ++m) {
        const std::optional<Search> s = v.SearchOf(1999, m);
        ASSERT_TRUE(s);
        for (int j = 0; j < kCrossingsPerSearch; ++j)
            EXPECT_TRUE(SameBits((*s)[j], c.years[0].search[m][j])) << m << " " << j;
    }
}

TEST(SkyTableFormat, LeavesOutWhatItCannotHoldAndWhatLiesOutside)
{
    const std::string bytes = Encode(Sample());
    const View v(bytes);
    struct Case { const char* what; int32_t year; };
    for (const Case& c : {Case{"marked absent", 2000}, Case{"a decreasing search", 2001}, Case{"a NaN", 2002},
                          Case{"before the first year", 1998}, Case{"after the last year", 2003}}) {
        EXPECT_FALSE(v.QuarterUT(Quarter::MarchEquinox, c.year)) << c.what;
        EXPECT_FALSE(v.SearchOf(c.year, 0)) << c.what;
    }
    EXPECT_FALSE(v.DarkMoonUT(-41));
    EXPECT_FALSE(v.DarkMoonUT(0));
    EXPECT_FALSE(v.DarkMoonUT(std::numeric_limits<int32_t>::min()));
    EXPECT_FALSE(v.QuarterUT(static_cast<Quarter>(4), 1999));
    EXPECT_FALSE(v.SearchOf(1999, -1));
    EXPECT_FALSE(v.SearchOf(1999, kTrueSunSearches));
}

TEST(SkyTableFormat, StepsBeyondFiveBytesAreNotStored)
{
    Contents c;
    c.firstLunation = 0;
    c.darkMoonUT = {2451550.0, 2451550.0 + 600.0}; // 600 days at this size: more than 2^40 steps
    const std::string holed = Encode(c);
    EXPECT_FALSE(View(holed).DarkMoonUT(0));
    c.darkMoonUT = {2451550.0, 2451550.0 + 100.0};
    const std::string kept = Encode(c);
    EXPECT_TRUE(View(kept).DarkMoonUT(1));
}

TEST(SkyTableFormat, ADamagedOrForeignTableAnswersNothing)
{
    const std::string good = Encode(Sample());
    std::string badMagic = good;
    badMagic[0] = 'X';
    std::string otherVersion = good;
    otherVersion[8] = static_cast<char>(kVersion + 1);
    std::string moreYears = good;
    moreYears[24] = static_cast<char>(moreYears[24] + 1);
    for (const std::string& bytes : {std::string(), good.substr(0, 31), good.substr(0, good.size() - 1), good + '\0',
                                     badMagic, otherVersion, moreYears}) {
        const View v(bytes);
        EXPECT_TRUE(v.Empty());
        EXPECT_FALSE(v.DarkMoonUT(-40));
        EXPECT_FALSE(v.QuarterUT(Quarter::MarchEquinox, 1999));
        EXPECT_FALSE(v.SearchOf(1999, 0));
    }
    const std::string none = Encode(Contents{});
    EXPECT_TRUE(View(none).Empty()); // the table written without ephemeris files
}

} // namespace
