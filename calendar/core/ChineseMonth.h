// A Chinese lunar month: its number 1..12 and whether it is the leap month that repeats that
// number. Its label ("05", "5*") is made only where it is shown (MonthLabelStr, calendar/chinese).
#pragma once

#include "calendar/core/CycleCounts.h"

namespace orlun {

struct ChineseMonth {
    int number = 0; // 1..12
    bool leap = false;

    constexpr bool ok() const { return number >= 1 && number <= kMonthNumbers; }
    friend constexpr bool operator==(const ChineseMonth&, const ChineseMonth&) = default;
};

// The first month of a nian: the month of the lunar new year.
inline constexpr ChineseMonth kFirstMonth{1, false};

} // namespace orlun
