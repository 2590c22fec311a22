// The typed time scales give exactly the numbers of the plain crossings, and the date values know
// which fields name a day.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calendar/core/ChineseDate.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/core/TimeScales.h"
#include "calendar/core/WesternDate.h"

namespace orlun {
namespace {

// The crossings group their sums as the day counts are defined: CJDL = AJD + 0.5, CJDC = CJDL + L/360.
TEST(TimeTypes, CrossingsGiveTheBitsOfThePlainSums)
{
    const double moments[] = {625333.0, 2451544.5, 2455900.92, 2816787.9999, -0.25, 1721423.5};
    for (const int degrees : {0, 105, 120, 135, 100, 145}) {
        const Meridian reference(degrees);
        for (const double ajd : moments) {
            const LocalTime cjdc = AJDToCJDC(Moment(ajd), reference);
            const double share = degrees / 360.0;
            EXPECT_EQ(cjdc.cjd(), (ajd + 0.5) + share) << ajd << " at " << degrees;
            EXPECT_EQ(CJDCToAJD(cjdc).ajd(), (cjdc.cjd() - share) - 0.5) << ajd << " at " << degrees;
            EXPECT_EQ(AJDToCJDL(Moment(ajd)).cjd(), ajd + 0.5) << ajd;
            EXPECT_EQ(CJDCToCJDL(cjdc).cjd(), (cjdc.cjd() - share) + 0.0) << ajd;
            EXPECT_EQ(CJDLToCJDC(AJDToCJDL(Moment(ajd)), reference).cjd(), (ajd + 0.5) + share);
            EXPECT_EQ(cjdc.day().value(), static_cast<int32_t>(std::floor(cjdc.cjd()))) << ajd;
            EXPECT_EQ(cjdc.fractionOfDay(), cjdc.cjd() - std::floor(cjdc.cjd())) << ajd;
        }
    }
}

TEST(TimeTypes, DayAndTimeOfDayAtTheMeridian)
{
    // 2000-01-01 12:00 UT is day 2451545 in London and 20:00 of the same day at 120 degrees East.
    const Moment noon(2451545.0);
    EXPECT_EQ(AJDToCJDL(noon).day(), DayNumber(2451545));
    EXPECT_NEAR(AJDToCJDC(noon, Meridian(120)).fractionOfDay(), 20.0 / 24, 1e-9);
    // 2000-01-01 17:00 UT is already 2000-01-02 at 120 degrees East.
    EXPECT_EQ(AJDToCJDC(noon + 5.0 / 24, Meridian(120)).day(), DayNumber(2451546));
    EXPECT_EQ(Meridian(120).NoonOf(DayNumber(2451545)).day(), DayNumber(2451545));
    EXPECT_EQ(Meridian(120).MidnightOf(DayNumber(2451545)).fractionOfDay(), 0.0);
    // Before day 0 the day is the floor, not the truncation; beyond 32 bits it is held at the ends.
    EXPECT_EQ(Meridian(0).At(-0.25).day(), DayNumber(-1));
    EXPECT_EQ(Meridian(0).At(1e12).day(), DayNumber(std::numeric_limits<int32_t>::max()));
    EXPECT_EQ(Meridian(0).At(std::nan("")).day(), DayNumber(std::numeric_limits<int32_t>::min()));
}

TEST(DateValues, OkOnlyForFieldsThatNameADay)
{
    struct Case { WesternDate date; bool ok; };
    const Case cases[] = {
        {{2013, 2, 28}, true},  {{2013, 2, 29}, false}, {{1900, 2, 29}, false},
        {{1900, 2, 29, WesternCalendar::Julian}, true}, {{2013, 4, 31}, false}, {{2013, 12, 31}, true},
        {{2013, 13, 1}, false}, {{2013, 0, 1}, false},  {{2013, 1, 0}, false}, {{-3000, 1, 1}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.date.ok(), c.ok) << c.date.year << "-" << c.date.month << "-" << c.date.day;

    EXPECT_TRUE((ChineseLunarDate{79, 29, {4, true}, 30, kEpochHuangdi}.ok()));
    EXPECT_FALSE((ChineseLunarDate{79, 29, {13, false}, 1, kEpochHuangdi}.ok()));
    EXPECT_FALSE((ChineseLunarDate{79, 61, {1, false}, 1, kEpochHuangdi}.ok()));
    EXPECT_FALSE((ChineseLunarDate{79, 30, {1, false}, 31, kEpochHuangdi}.ok()));
    EXPECT_TRUE((ChineseSolarDate{79, 30, 24, 16, kEpochHuangdi}.ok()));
    EXPECT_FALSE((ChineseSolarDate{79, 30, 25, 1, kEpochHuangdi}.ok()));
    EXPECT_FALSE((ChineseSolarDate{79, 30, 1, 17, kEpochHuangdi}.ok()));
}

} // namespace
} // namespace orlun
