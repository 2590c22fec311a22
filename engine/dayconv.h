// Western calendar arithmetic, weekdays, thousands grouping and the local time zone.
//
// Our own replacement of the date-conversion library the program was designed around: the same
// functions, arguments and results. Calendars are proleptic Gregorian ('G') and proleptic Julian
// ('J') with astronomical year numbering (year 0 = 1 BC, -1 = 2 BC). Julian day number 0 is
// -4712-01-01 Julian. All conversions use plain integer arithmetic and are exact for every day
// number that fits in 32 bits; none keeps state between calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/core/RecordLayouts.h"


// Date order code of str_to_date: year-month-day, the only order the program uses.
constexpr int16_t kOrderYearMonthDay = 2;

// Smallest and largest year str_to_date accepts; outside it answers -5.
constexpr int32_t kDayconvMinYear = -999999;
constexpr int32_t kDayconvMaxYear = 999999;

// The JDN of the record's year, month and day in its calendar ('J' Julian, anything else
// Gregorian); also stored in the record's jdn field. Month and day are taken as given (no
// validation), so month 13 counts on into the next year. Results outside 32 bits wrap.
int32_t euro_date_to_jdn(WesternDateRecord* rec);

// Writes year, month and day of the record's jdn in its calendar ('J' Julian, anything else
// Gregorian) into the record. Exact for every 32-bit jdn.
void jdn_to_euro_date(WesternDateRecord* rec);

// Weekday of a JDN: 0 Sunday .. 6 Saturday, for every 32-bit JDN.
int32_t euro_day_of_week(int32_t jdn);

// Reads "year-month-day" (digits and '-' only; a leading '-' makes the year negative) in the
// given order (only kOrderYearMonthDay is supported) and calendar letter. On success writes year,
// month, day and calendar into the record and returns 0; returns -5 when the year lies outside
// kDayconvMinYear..kDayconvMaxYear; -1 for any text that is not such a date (bad form, month
// outside 1..12, day outside the month, or a null argument). 'J' dates follow the Julian rules,
// 'R' (Zodozizidu Zidevuze) dates need only month 1..13 and day 1..30 here (that calendar checks
// its own month lengths), any other letter the Gregorian rules. The record is left untouched
// unless 0 is returned.
int32_t str_to_date(const char* text, int16_t order, WesternDateRecord* rec, int16_t calendar);

// Size of the output buffer of separate_thousands, the terminating zero included.
constexpr std::size_t kSeparateThousandsBuffer = 20;

// Writes the number text grouped by threes with the separator character into out (a buffer of
// kSeparateThousandsBuffer characters, zero-terminated). A leading '-' stays in front ("-12,345");
// a fraction after '.' is kept ungrouped. Text that does not fit is cut at 19 characters. A
// separator code outside 1..255 leaves the number ungrouped.
void separate_thousands(const char* number, int16_t separator, char* out);

// The grouping of separate_thousands without its length limit: the first run of digits is
// grouped by threes, everything before and after it is kept. A zero separator changes nothing.
std::string group_thousands(std::string_view number, char separator);

// The local time zone's offset in seconds, positive West of Greenwich (local + offset = UT),
// for the present moment (daylight saving included).
int32_t get_timezone();
