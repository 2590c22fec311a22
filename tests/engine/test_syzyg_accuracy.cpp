// Lunar phase instants against JPL DE441 (dynamical time) and the USNO tables (universal time).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <utility>

#include "engine/lunev.h"
#include "refdata_tables.h"

namespace {

constexpr double kSecondsPerDay = 86400.0;

struct Worst {
    double seconds = 0.0;
    int32_t lunation = 0;
    int phase = 0;
};

// One range of years of the DE441 table and the agreement required there.
struct De441Range {
    int firstYear;
    int lastYear;
    double toleranceSeconds;
};

TEST(SyzygAccuracy, AgreesWithDe441PhasesFrom1600To3000)
{
    const auto table = refdata::ReadYtliu0Table();
    ASSERT_EQ(table.size(), 1901u) << "cannot read " << refdata::AstroPath("ytliu0_TDBtimes_1600-3500.txt");

    // Rows overlap (15 lunations a year), so each phase is checked once, in the range of the
    // first row that lists it. Every phase of every year is checked: about 69,000 calls.
    const De441Range ranges[] = {{1600, 2199, 1.0}, {2200, 3000, 10.0}};
    for (const auto& range : ranges) {
        std::map<std::pair<int32_t, int>, double> expected;
        for (const auto& row : table) {
            if (row.year < range.firstYear || row.year > range.lastYear)
                continue;
            for (int i = 0; i < 60; ++i) {
                const int phase = i % 4;
                const double td = row.PhaseTd(i);
                expected.emplace(std::make_pair(refdata::LunationOf(td, phase), phase), td);
            }
        }

        Worst worst;
        int failures = 0;
        for (const auto& [key, td] : expected) {
            const auto [lunation, phase] = key;
            const double ours = syzyg(lunation, phase, nullptr);
            const double diff = (ours - td) * kSecondsPerDay;
            if (std::fabs(diff) > std::fabs(worst.seconds))
                worst = {diff, lunation, phase};
            if (!(std::fabs(diff) <= range.toleranceSeconds) && ++failures <= 10) {
                ADD_FAILURE() << "syzyg(" << lunation << ", " << phase << ") = " << std::fixed
                              << ours << " JDE, DE441 gives " << td << ": " << diff
                              << " s apart, allowed " << range.toleranceSeconds << " s";
            }
        }
        EXPECT_EQ(failures, 0) << failures << " of " << expected.size() << " phases of "
                               << range.firstYear << ".." << range.lastYear << " out of tolerance";
        std::printf("DE441 phases %d..%d: %zu checked, largest difference %+.3f s (lunation %d, phase %d)\n",
                    range.firstYear, range.lastYear, expected.size(), worst.seconds,
                    worst.lunation, worst.phase);
    }
}

// USNO gives new and full moons in UT rounded to the minute; our UT is the TD instant less delta T
// of the event's year. One minute of disagreement plus the 30 s of rounding is allowed.
TEST(SyzygAccuracy, AgreesWithUsnoNewAndFullMoonsFrom1900To2100)
{
    std::ifstream in(refdata::AstroPath("usno_moonphases_1800-2100_decadal.txt"));
    ASSERT_TRUE(in) << "cannot read usno_moonphases_1800-2100_decadal.txt";
    constexpr double kToleranceSeconds = 90.0;

    int checked = 0;
    Worst worst;
    std::string line;
    while (std::getline(in, line)) {
        int phase = 0, year = 0, month = 0, day = 0, hour = 0, minute = 0;
        if (std::sscanf(line.c_str(), "%d %d-%d-%dT%d:%d", &phase, &year, &month, &day, &hour, &minute) != 6)
            continue;
        if ((phase != 0 && phase != 2) || year < 1900 || year > 2100)
            continue;
        const double usno = refdata::JulianDate(year, month, day, hour, minute);
        const int32_t lunation = refdata::LunationOf(usno, phase);
        const double ut = syzyg(lunation, phase, nullptr) - deltat(year, 1915) / 1440.0;
        const double diff = (ut - usno) * kSecondsPerDay;
        ++checked;
        if (std::fabs(diff) > std::fabs(worst.seconds))
            worst = {diff, lunation, phase};
        EXPECT_LE(std::fabs(diff), kToleranceSeconds)
            << line << ": syzyg(" << lunation << ", " << phase << ") less delta T is " << diff
            << " s from USNO";
    }
    EXPECT_GE(checked, 500) << "too few USNO phases read"; // 21 decadal years
    std::printf("USNO new and full moons 1900..2100: %d checked, largest difference %+.1f s (lunation %d, phase %d)\n",
                checked, worst.seconds, worst.lunation, worst.phase);
}

} // namespace
