// A Western date as a value: year (astronomical numbering, 0 = 1 BC), month, day and the calendar
// it is counted in. ok() says whether the fields name a day of that calendar; the conversions to
// and from day numbers are DatePr2's (calendar/western).
#pragma once

#include <cstdint>

namespace orlun {

// The calendars of a Western date, by the letters the date-conversion library knows them by.
enum class WesternCalendar : char16_t { Gregorian = u'G', Julian = u'J' };

constexpr bool IsLeapYear(WesternCalendar calendar, int32_t year)
{
    const int64_t y = year;
    if (calendar == WesternCalendar::Julian) return y % 4 == 0;
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

// 28..31 for month 1..12; 0 for any other month.
constexpr int LastDayOfMonth(WesternCalendar calendar, int32_t year, int month)
{
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(calendar, year) ? 29 : kDays[month - 1];
}

struct WesternDate {
    int32_t year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    WesternCalendar calendar = WesternCalendar::Gregorian;

    constexpr bool ok() const { return day >= 1 && day <= LastDayOfMonth(calendar, year, month); }
    friend constexpr bool operator==(const WesternDate&, const WesternDate&) = default;
};

static_assert(WesternDate{2000, 2, 29}.ok());
static_assert(!WesternDate{2100, 2, 29}.ok());
static_assert(WesternDate{2100, 2, 29, WesternCalendar::Julian}.ok());
static_assert(!WesternDate{-1, 2, 29, WesternCalendar::Julian}.ok()); // -1 = 2 BC, not leap
static_assert(WesternDate{0, 2, 29}.ok());                            // 0 = 1 BC, leap

} // namespace orlun
