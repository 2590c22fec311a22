// The months of one lunar year (nian): from its first day of month 1 to the day before the next.
#pragma once

#include <cstdint>
#include <vector>

#include "calendar/core/Settings.h"

namespace orlun {

struct LunarMonth {
    int number = 0;     // 1..12
    bool leap = false;  // an intercalary month, numbered like the month before it
    DayNumber start;    // CJDC day number of its first day
    int length = 0;     // 29 or 30 days
};

struct LunarYearMonths {
    int year = 0;                   // Common Era year (Gregorian) of the new year's day
    std::vector<LunarMonth> months; // 12 or 13, in order; none when the year lies outside the computed range
    bool ok() const { return !months.empty(); }
    DayNumber NewYearDay() const { return months.front().start; }
    DayNumber NextNewYearDay() const { return months.back().start + months.back().length; }
};

// The lunar year whose new year's day (month 1, day 1) falls in Common Era year `year` at the
// settings' reference meridian. The months depend only on the year and the meridian.
LunarYearMonths LunarYearMonthsOf(int year, const CalendarSettings& settings);

} // namespace orlun
