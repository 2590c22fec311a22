// The Western date record, shared by the Western calendar arithmetic and the date-conversion
// library.
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
