// The lunar month as a calendar grid: month lengths, the cells, the labels, stepping and today.
#include <gtest/gtest.h>

#include <cmath>

#include "calendar/core/Limits.h"
#include "calendar/core/Settings.h"
#include "calendar/monthview/MonthView.h"
#include "calendar/western/DatePr2.h"

namespace orlun {
namespace {

const CalendarSettings kChina = SettingsForCountry(Country::China);

MonthView MonthOf(int y, int m, int d, int32_t today = 0)
{
    const auto first = FirstDayOfMonthAt(Meridian(120).NoonOf(GregorianJDN(y, m, d)), kChina);
    EXPECT_TRUE(first.has_value());
    return MonthViewOf(first.value_or(DayNumber(0)), DayNumber(today), kChina);
}

TEST(MonthView, MonthsOfTwentyNineAndThirtyDaysFillTheirCells)
{
    struct Case { int y, m, d; int32_t first; int length; int lastCell; const char* label; };
    const Case cases[] = {
        // Month 12 of 2011: 2011-12-25 .. 2012-01-22, across the year end.
        {2012, 1, 1, GregorianJDN(2011, 12, 25).value(), 29, 30, "Common Era year 2011 (December) - 2012 (January)"},
        // Month 1 of 2013: 2013-02-10 .. 2013-03-11; day 30 in the last column of the last row.
        {2013, 2, 10, GregorianJDN(2013, 2, 10).value(), 30, 31, "Common Era year 2013 (February-March)"},
    };
    for (const Case& c : cases) {
        const MonthView v = MonthOf(c.y, c.m, c.d);
        ASSERT_TRUE(v.ok());
        EXPECT_EQ(v.firstDay.value(), c.first);
        EXPECT_EQ(v.length, c.length);
        ASSERT_EQ(static_cast<int>(v.cells.size()), c.length);
        EXPECT_EQ(v.cells.back().cell, c.lastCell);
        EXPECT_EQ(v.cells.back().day, c.length);
        EXPECT_EQ(v.cells[7].cell, 8);   // day 8 opens the second row
        EXPECT_EQ(v.cells[14].cell, 15); // day 15 closes it in column 7
        EXPECT_EQ(v.cells[22].cell, 24); // day 23 opens the last row
        EXPECT_EQ(v.yearAndMonth, c.label);
        EXPECT_EQ(v.nextFirstDay, DayNumber(c.first + c.length));
    }
}

TEST(MonthView, CellTextsAndTitle)
{
    const MonthView v = MonthOf(2013, 2, 20);
    EXPECT_EQ(v.cells[0].dayText, "1 ");
    EXPECT_EQ(v.cells[9].dayText, "10");
    EXPECT_EQ(v.cells[0].ceText, "Sun Feb 10");
    EXPECT_TRUE(v.cells[0].weekend);
    EXPECT_FALSE(v.cells[1].weekend);
    EXPECT_TRUE(v.cells[6].weekend); // Saturday 16 February
    EXPECT_EQ(v.cells[0].arcText, CellARCText(DayNumber(v.firstDay)));
    EXPECT_EQ(v.title.rfind("Month 1  in the water-snake year (nian) at position 30", 0), 0u) << v.title;
    EXPECT_EQ(YearAndMonthText(DayNumber(GregorianJDN(2013, 5, 10).value()), DayNumber(GregorianJDN(2013, 5, 31).value())),
              "Common Era year 2013, month of May");
}

TEST(MonthView, SteppingBackLandsOnDayOneWhenThePreviousMonthHasThirtyDays)
{
    // Month 2 of 2013 begins 2013-03-12; 29 days earlier is day 2 of the 30-day month 1.
    const MonthView second = MonthOf(2013, 3, 20);
    ASSERT_EQ(second.firstDay, GregorianJDN(2013, 3, 12));
    EXPECT_EQ(second.previousFirstDay, GregorianJDN(2013, 2, 10));
    const MonthView first = MonthViewOf(second.previousFirstDay.value_or(DayNumber(0)), DayNumber(0), kChina);
    EXPECT_EQ(first.length, 30);
    EXPECT_EQ(first.nextFirstDay, second.firstDay);
}

TEST(MonthView, TodayIsMarkedOnlyInItsOwnMonth)
{
    const int32_t today = GregorianJDN(2013, 2, 14).value();
    const MonthView own = MonthOf(2013, 2, 10, today);
    int marked = 0;
    for (const MonthViewCell& c : own.cells) marked += c.today ? 1 : 0;
    EXPECT_EQ(marked, 1);
    EXPECT_TRUE(own.cells[4].today);
    for (const MonthViewCell& c : MonthViewOf(own.nextFirstDay.value_or(DayNumber(0)), DayNumber(today), kChina).cells) EXPECT_FALSE(c.today);
}

TEST(MonthView, RangeEndsAndBadDaysGiveNoMonth)
{
    EXPECT_FALSE(FirstDayOfMonthAt(Meridian(120).At(kMinJDN - 400.0), kChina));
    EXPECT_FALSE(FirstDayOfMonthAt(Meridian(120).At(kMaxJDN + 400.0), kChina));
    EXPECT_FALSE(FirstDayOfMonthAt(Meridian(120).At(std::nan("")), kChina));
    // A day that is not day 1 of a month draws nothing.
    EXPECT_FALSE(MonthViewOf(DayNumber(GregorianJDN(2013, 2, 11).value()), DayNumber(0), kChina).ok());
    // The last month of the range has no next month to step to; the first none before it.
    const auto last = FirstDayOfMonthAt(Meridian(120).At(kMaxJDN + 0.5), kChina);
    ASSERT_TRUE(last);
    EXPECT_EQ(MonthViewOf(DayNumber(*last), DayNumber(0), kChina).nextFirstDay, std::nullopt);
    // The month of the first admissible day began before it and is not drawn; the next one is the
    // first, with none before it.
    EXPECT_FALSE(FirstDayOfMonthAt(Meridian(120).At(kMinJDN + 0.5), kChina));
    const auto first = FirstDayOfMonthAt(Meridian(120).At(kMinJDN + 40.5), kChina);
    ASSERT_TRUE(first);
    EXPECT_EQ(MonthViewOf(DayNumber(*first), DayNumber(0), kChina).previousFirstDay, std::nullopt);
}

} // namespace
} // namespace orlun
