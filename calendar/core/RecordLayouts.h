// The byte layouts of the dates exchanged with the outside libraries: the Western date record of
// the date-conversion library (engine/dayconv) and the CHL and CHS records of the date-string
// readers (engine/orlun2). Only engine/ uses them; the calculators work on the date values of
// WesternDate.h, ChineseDate.h and ArcDate.h.
#pragma once

#include <cstdint>

// The Western date record. Its layout (24 bytes, little-endian) is fixed: callers exchange it
// by address with the date-conversion library.
struct WesternDateRecord {
    int32_t year = 0;      // astronomical numbering
    int32_t month = 0;     // 1..12
    int32_t day = 0;       // 1..31
    uint16_t calendar = 0; // character code: 'G' Gregorian, 'J' Julian, 'R' Zodozizidu Zidevuze
    uint16_t padding = 0;
    int32_t jdn = 0;       // Julian day number of the date
    int32_t valid = 0;     // 1 when the record holds a valid date read from text
};
static_assert(sizeof(WesternDateRecord) == 24, "the date record is exchanged by layout");

namespace orlun {

// CHL date: cycle-position-month[*]-day. 40 bytes, ten 32-bit little-endian fields.
struct CHLDate {
    int32_t epoch = 0;     // epoch year used in the last conversion to a day number
    int32_t cycle = 0;     // 60-year cycle, any integer
    int32_t position = 0;  // year within the cycle, 1..60
    int32_t reserved1 = 0;
    int32_t reserved2 = 0;
    int32_t month = 0;     // 1..12
    int32_t day = 0;       // 1..30
    int32_t valid = 0;     // 1 when the date was found valid
    int32_t jdn = 0;       // CJDC day number of the date
    int32_t leap = 0;      // 1 for a leap month
};
static_assert(sizeof(CHLDate) == 40, "the CHL record is exchanged by layout");

// CHS date: cycle-position-solarterm-day. 36 bytes, nine 32-bit fields. Term 1 is the winter
// solstice; the CHS year (sui) runs from the winter solstice of the previous Common Era year.
struct CHSDate {
    int32_t epoch = 0;
    int32_t cycle = 0;
    int32_t position = 0; // 1..60
    int32_t reserved1 = 0;
    int32_t reserved2 = 0;
    int32_t term = 0;     // 1..24
    int32_t day = 0;      // 1..16
    int32_t valid = 0;
    int32_t jdn = 0;
};
static_assert(sizeof(CHSDate) == 36, "the CHS record is exchanged by layout");

} // namespace orlun
