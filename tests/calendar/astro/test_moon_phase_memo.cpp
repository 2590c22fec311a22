// The memo of phase instants and the Moon data computed with it: the engine's own instants, the
// same data, and near a seam of the ephemeris files the data the engine gives without a memo.
#include <gtest/gtest.h>

#include "calendar/astro/MoonData.h"
#include "calendar/astro/MoonPhaseMemo.h"
#include "calendar/astro/syzyg.h"
#include "calendar/core/Meridian.h"
#include "calendar/western/DatePr2.h"

using namespace orlun;

namespace {

TEST(MoonPhaseMemo, AnswersTheEnginesInstantsAfterLunationsShareASlot)
{
    // 0, 8, -8 and 16 share a slot, so each pushes the one before out; -1 and 4 count into the
    // neighbouring lunations.
    const int32_t cases[][2] = {{0, 0}, {0, 3}, {8, 0}, {0, 0}, {-8, 2}, {16, 1}, {3, 4}, {3, -1}, {-30000, 1}, {0, 3}};
    MoonPhaseMemo memo;
    for (const auto& [n, k] : cases) EXPECT_EQ(memo.UT(n, k).ajd(), GetPhaseTimeUT(n, k).ajd()) << n << "/" << k;
}

Moment NoonAt120(int32_t year, int month, int day) { return Meridian(120).NoonOf(GregorianJDN(year, month, day)).moment(); }

TEST(MoonDataWithMemo, RunsOfDaysEqualTheDataWithoutOnBothSidesOfThePositionYears)
{
    // The Moon's position is asked from 1600 to 2099; before and after, the phases interpolate.
    const WesternDate starts[] = {{1599, 12, 1}, {2099, 12, 1}, {2024, 12, 1}, {-2000, 5, 5}};
    for (const WesternDate& start : starts) {
        MoonPhaseMemo memo;
        for (int day = 0; day < 62; ++day) {
            const Moment noon = NoonAt120(start.year, start.month, start.day) + day;
            const MoonData with = ComputeMoonData(Moment(noon), memo);
            const MoonData without = ComputeMoonData(Moment(noon));
            EXPECT_EQ(with.illumination, without.illumination) << DateText(start) << " + " << day;
            EXPECT_EQ(with.phaseText + with.ageText, without.phaseText + without.ageText) << DateText(start) << " + " << day;
        }
    }
}

TEST(MoonDataWithMemo, NearASeamOfTheEphemerisFilesTheEngineIsAskedAsWithout)
{
    // The files of 0-600 and 600-1200 overlap around 600-01-01; remembered instants of the days
    // before would give 0.6061006759249852 on the 2nd.
    MoonPhaseMemo memo;
    for (int day = 1; day <= 31; ++day) ComputeMoonData(Moment(NoonAt120(599, 12, day)), memo);
    EXPECT_EQ(ComputeMoonData(Moment(NoonAt120(600, 1, 1)), memo).illumination, 0.4973624121095398);
    EXPECT_EQ(ComputeMoonData(Moment(NoonAt120(600, 1, 2)), memo).illumination, 0.6061006759046492);
}

} // namespace
