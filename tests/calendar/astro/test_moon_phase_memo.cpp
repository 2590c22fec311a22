// The memo of phase instants and the Moon data computed with it: the engine's own instants, the
// same data, and near a seam of the ephemeris files the data the engine gives without a memo.
#include <gtest/gtest.h>

#include <string>

#include "calendar/astro/MoonData.h"
#include "calendar/astro/MoonPhaseMemo.h"
#include "calendar/astro/syzyg.h"
#include "calendar/core/Meridian.h"
#include "calendar/western/DatePr2.h"

using namespace orlun;

namespace {

struct PhaseCase {
    int32_t lunation;
    int phase;
};

TEST(MoonPhaseMemo, AnswersTheEnginesInstantsAfterLunationsShareASlot)
{
    // 0, 8, -8 and 16 share a slot, so each pushes the one before out; -1 and 4 count into the
    // neighbouring lunations.
    const PhaseCase cases[] = {{0, 0}, {0, 3}, {8, 0},  {0, 0},  {-8, 2}, {16, 1}, {-1, 3},
                               {3, 4}, {3, -1}, {1200, 2}, {-30000, 1}, {-30000, 1}, {0, 3}};
    MoonPhaseMemo memo;
    for (const PhaseCase& c : cases)
        EXPECT_EQ(memo.UT(c.lunation, c.phase).ajd(), GetPhaseTimeUT(c.lunation, c.phase).ajd())
            << c.lunation << "/" << c.phase;
}

// The noon of a CE day at 120 degrees East, as orlun-cli days asks.
Moment NoonOf(int32_t year, int month, int day)
{
    return Meridian(120).NoonOf(GregorianJDN(year, month, day)).moment();
}

void ExpectSameMoonData(const MoonData& memo, const MoonData& plain, const std::string& what)
{
    EXPECT_EQ(memo.ok, plain.ok) << what;
    EXPECT_EQ(memo.lunation, plain.lunation) << what;
    EXPECT_EQ(memo.phase, plain.phase) << what;
    EXPECT_EQ(memo.illumination, plain.illumination) << what;
    EXPECT_EQ(memo.geometric, plain.geometric) << what;
    EXPECT_EQ(memo.phaseText, plain.phaseText) << what;
    EXPECT_EQ(memo.ageText, plain.ageText) << what;
}

struct DayCase {
    int32_t year;
    int month, day;
};

TEST(MoonDataWithMemo, EqualsTheDataWithoutOneOnEitherSideOfThePositionYears)
{
    // The Moon's position is asked from 1600 to 2099; before and after, the phases interpolate.
    const DayCase cases[] = {{1599, 12, 31}, {1600, 1, 1}, {2000, 1, 6}, {2000, 1, 7}, {2099, 12, 31},
                             {2100, 1, 1},   {-2000, 5, 5}, {2500, 7, 1}, {1, 1, 1}};
    for (const DayCase& c : cases) {
        MoonPhaseMemo memo;
        const Moment noon = NoonOf(c.year, c.month, c.day);
        ExpectSameMoonData(ComputeMoonData(noon, memo), ComputeMoonData(noon), DateText({c.year, c.month, c.day}));
    }
}

TEST(MoonDataWithMemo, ARunOfDaysSharingOneMemoEqualsTheDataWithout)
{
    MoonPhaseMemo memo;
    const DayNumber first = GregorianJDN(2024, 12, 1);
    for (int32_t d = first.value(); d < first.value() + 75; ++d) {
        const Moment noon = Meridian(120).NoonOf(DayNumber(d)).moment();
        ExpectSameMoonData(ComputeMoonData(noon, memo), ComputeMoonData(noon), "day " + std::to_string(d));
    }
}

TEST(MoonDataWithMemo, NearASeamOfTheEphemerisFilesTheEngineIsAskedAsWithout)
{
    // The files of 0-600 and 600-1200 overlap around 600-01-01; remembered instants of the days
    // before would give 0.6061006759249852 on the 2nd.
    MoonPhaseMemo memo;
    for (int day = 1; day <= 31; ++day) ComputeMoonData(NoonOf(599, 12, day), memo);
    EXPECT_EQ(ComputeMoonData(NoonOf(600, 1, 1), memo).illumination, 0.4973624121095398);
    EXPECT_EQ(ComputeMoonData(NoonOf(600, 1, 2), memo).illumination, 0.6061006759046492);
}

} // namespace
