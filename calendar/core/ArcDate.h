// The record of a Zodozizidu Zidevuze (ARC) date.
#pragma once

#include <cstdint>

namespace orlun {

// One ARC date. Year is any integer; month 1..13; day 1..30; jdn the chronological day number.
struct ARCDate {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    bool valid = false;
    int32_t jdn = 0;
};

} // namespace orlun
