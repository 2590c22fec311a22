// A Zodozizidu Zidevuze (ARC) date as a value. ok() says whether the fields lie in their ranges;
// whether the date exists in that year (month 13, a day 30) is the answer of its conversion to a
// day number (ARCToJDN, calendar/arc).
#pragma once

#include <cstdint>

namespace orlun {

struct ARCDate {
    int32_t year = 0;  // any integer
    int32_t month = 0; // 1..13
    int32_t day = 0;   // 1..30

    constexpr bool ok() const { return month >= 1 && month <= 13 && day >= 1 && day <= 30; }
    friend constexpr bool operator==(const ARCDate&, const ARCDate&) = default;
};

} // namespace orlun
