// The conversions and readers on the date values: the same days, codes and refusals as the record
// forms, a leap month, a 31st, the day that has no CHS date wanted, and texts with a zero inside.
#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "calendar/chinese/ChineseDateText.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/western/DatePr2.h"

using namespace orlun;

namespace {

CalendarSettings China()
{
    CalendarSettings s;
    s.meridian = Meridian(120);
    s.epoch = kEpochHuangdi;
    return s;
}

ChineseLunarDate Lunar(int64_t year, ChineseMonth month, int day)
{
    return {static_cast<int32_t>(CycleOfYear(year, kEpochHuangdi)), PositionOfYear(year), month, day, kEpochHuangdi};
}

} // namespace

TEST(ChineseValues, LunarDatesGoToTheirDaysWithTheRecordCodes)
{
    struct Case {
        ChineseLunarDate date;
        CHLResult result;
        int gy, gm, gd; // the Gregorian day when found
    };
    const Case cases[] = {
        {Lunar(2013, {1, false}, 1), CHLResult::Found, 2013, 2, 10},
        {Lunar(2012, {4, true}, 1), CHLResult::Found, 2012, 5, 21},
        {Lunar(2013, {2, false}, 30), CHLResult::DayBeyondMonth, 0, 0, 0},
        {Lunar(2013, {2, false}, 31), CHLResult::DayBeyondMonth, 0, 0, 0},
        {Lunar(2013, {9, true}, 1), CHLResult::NoSuchMonth, 0, 0, 0},
        {Lunar(2013, {13, false}, 1), CHLResult::FieldOutOfRange, 0, 0, 0},
        {Lunar(9000, {1, false}, 1), CHLResult::FieldOutOfRange, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const CHLDay day = ChLDateToJDN(c.date, China());
        EXPECT_EQ(day.result, c.result) << c.date.month.number << "/" << c.date.day;
        if (c.result == CHLResult::Found) {
            EXPECT_EQ(day.day, GregorianJDN(c.gy, c.gm, c.gd));
        }
    }
}

TEST(ChineseValues, ADayGivesBothDatesAndTheyGoBack)
{
    const DayNumber day = GregorianJDN(2013, 2, 10);
    const auto dates = CJDateToChDates(Meridian(120).NoonOf(day), kEpochHuangdi);
    ASSERT_TRUE(dates && dates->lunar && dates->solar);
    EXPECT_EQ(dates->day, day);
    EXPECT_EQ(*dates->lunar, Lunar(2013, kFirstMonth, 1));
    EXPECT_EQ(ChLDateToJDN(*dates->lunar, China()).day, day);
    EXPECT_EQ(ChSDateToJDN(*dates->solar, China()), std::optional<DayNumber>(day));
    EXPECT_EQ(LunarDateOfDay(day, kEpochHuangdi, Meridian(120)), dates->lunar);
}

TEST(ChineseValues, TimesWithoutAStructureGiveNoDates)
{
    EXPECT_FALSE(CJDateToChDates(Meridian(120).At(std::numeric_limits<double>::quiet_NaN()), kEpochHuangdi));
    EXPECT_FALSE(CJDateToChDates(Meridian(120).At(1e9), kEpochHuangdi));
    EXPECT_FALSE(LunarDateOfDay(DayNumber(kMaxJDN + 20000), kEpochHuangdi, Meridian(120)));
}

TEST(ChineseValues, MonthLengthsAndSolarDaysBeyondTheirTerm)
{
    EXPECT_EQ(CHLMonthLength(Lunar(2013, {1, false}, 7), China()), 30);
    EXPECT_EQ(CHLMonthLength(Lunar(2012, {4, true}, 7), China()), 29);
    EXPECT_EQ(CHLMonthLength(Lunar(2013, {9, true}, 7), China()), -5);
    const ChineseSolarDate beyond{79, 30, 1, 16, kEpochHuangdi};
    EXPECT_EQ(ChSDateToJDN(beyond, China()), std::nullopt);
}

TEST(ChineseValues, ReadersGiveValuesOrNothing)
{
    const auto leap = ParseCHLDateStr("79-31-9*-12 CHL");
    ASSERT_TRUE(leap);
    EXPECT_EQ(*leap, (ChineseLunarDate{79, 31, {9, true}, 12, 0}));
    EXPECT_EQ(ParseCHSDateStr("2-01-01-01 CHS (Z11)"), (ChineseSolarDate{2, 1, 1, 1, 0}));
    using namespace std::string_view_literals;
    EXPECT_FALSE(ParseCHLDateStr("79-30-01-01\0 CHL"sv));
    EXPECT_FALSE(ParseCHSDateStr("2-01-01"));
}
