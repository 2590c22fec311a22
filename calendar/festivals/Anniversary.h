// Lunar anniversaries: the day a lunar date comes back in each of a run of lunar years, at the
// settings' reference meridian. A date in a leap month falls in that leap month when the year has
// it, else in the ordinary month of the same number; a 30th falls on the 29th of a month that
// has only 29 days — as the year move with "keep leap" and "keep 30th", and as death
// anniversaries (giỗ, 忌日) are kept.
#pragma once

#include <cstdint>
#include <vector>

#include "calendar/core/Settings.h"
#include "calendar/festivals/LunarDay.h"

namespace orlun {

struct AnniversaryDay {
    int year = 0;       // the Common Era year in which the lunar year begins
    DayNumber jdn;      // the day (JDN at the reference meridian)
    LunarDay observed;  // the lunar date it is kept on that year
};

struct Anniversaries {
    std::vector<AnniversaryDay> days;
    bool reachedRangeEnd = false; // stopped before the years asked for, at -3000-01-01 or 3000-01-01 CE
};

// The anniversaries of `date` in the lunar years beginning in `firstYear`, `firstYear` + 1, …,
// `years` of them.
Anniversaries AnniversariesOf(const LunarDay& date, int firstYear, int years, const CalendarSettings& settings);

} // namespace orlun
