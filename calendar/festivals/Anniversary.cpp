#include "calendar/festivals/Anniversary.h"

#include <algorithm>

#include "calendar/chinese/LunarYearMonths.h"
#include "calendar/core/Limits.h"

namespace orlun {

namespace {

// The month the date is kept in: its leap month when the year has one of that number.
const LunarMonth* MonthFor(const LunarYearMonths& nian, const LunarDay& date)
{
    const LunarMonth* ordinary = nullptr;
    for (const LunarMonth& m : nian.months) {
        if (m.number != date.month) continue;
        if (m.leap == date.leap) return &m;
        if (!m.leap) ordinary = &m;
    }
    return ordinary;
}

} // namespace

Anniversaries AnniversariesOf(const LunarDay& date, int firstYear, int years, const CalendarSettings& settings)
{
    Anniversaries result;
    if (!date.ok()) return result;
    for (int k = 0; k < years; ++k) {
        const LunarYearMonths nian = LunarYearMonthsOf(firstYear + k, settings);
        if (!nian.ok()) {
            result.reachedRangeEnd = true;
            break;
        }
        const LunarMonth* month = MonthFor(nian, date);
        if (!month) continue; // every year has months 1..12; kept for safety
        const int day = std::min(date.day, month->length);
        const DayNumber jdn = month->start + (day - 1);
        // Only days the program computes: -3000-01-01 to 3000-01-01 CE.
        if (jdn < kFirstSupportedDay || jdn > kLastSupportedDay) {
            result.reachedRangeEnd = true;
            break;
        }
        result.days.push_back({firstYear + k, jdn, {month->number, month->leap, day}});
    }
    return result;
}

} // namespace orlun
