// The Chinese lunar (CHL) and solar (CHS) dates as values. A date's cycle counts from its epoch,
// the Common Era year of cycle 1, position 1 (-2696 or -2636). ok() says whether the fields lie
// in their ranges; whether the date exists in that year (a leap month, a day 30) is the answer
// of its conversion to a day number (calendar/chinese).
#pragma once

#include <cstdint>

#include "calendar/core/ChineseMonth.h"
#include "calendar/core/CycleCounts.h"

namespace orlun {

// CHL: cycle-position-month[*]-day.
struct ChineseLunarDate {
    int32_t cycle = 0;  // any integer
    int position = 0;   // year within the cycle, 1..60
    ChineseMonth month;
    int day = 0;        // 1..30
    int epoch = 0;      // of the cycle

    constexpr bool ok() const
    {
        return position >= 1 && position <= kCyclePositions && month.ok() && day >= 1 && day <= 30;
    }
    friend constexpr bool operator==(const ChineseLunarDate&, const ChineseLunarDate&) = default;
};

// CHS: cycle-position-solarterm-day. Term 1 is the winter solstice; the sui runs from the winter
// solstice of the previous Common Era year.
struct ChineseSolarDate {
    int32_t cycle = 0;
    int position = 0; // 1..60
    int term = 0;     // 1..24
    int day = 0;      // 1..16
    int epoch = 0;

    constexpr bool ok() const
    {
        return position >= 1 && position <= kCyclePositions && term >= 1 && term <= kTermsPerYear && day >= 1 && day <= 16;
    }
    friend constexpr bool operator==(const ChineseSolarDate&, const ChineseSolarDate&) = default;
};

} // namespace orlun
