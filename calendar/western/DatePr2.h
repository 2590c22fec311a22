// Western dates and Julian day numbers: the record exchanged with dayconv, the conversions
// between dates and day numbers, weekday names, the time-of-day text and the date texts in
// which Common Era (Gregorian) and Julian dates appear everywhere in the program.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "engine/dayconv.h"

namespace orlun {

using WesternDate = WesternDateRecord;

constexpr char kDateSeparator = '-';
constexpr char kThousandsSeparator = ',';

// The JDN of the record's date in its calendar; also stored in the record.
int32_t DateToJDN(WesternDate& rec);
// Fills year, month and day from the record's jdn and calendar letter.
void JDNToDate(WesternDate& rec);

// The date of a JDN in the Gregorian calendar (year, month, day, jdn and calendar 'G' set).
WesternDate GregorianDate(int32_t jdn);
// The JDN of a Gregorian date.
int32_t GregorianJDN(int32_t year, int month, int day);

// Common Era and Julian records of the day count x (truncated toward zero). Both records are
// valid; a count that is no number or lies beyond the 32-bit day numbers gives records held at
// the nearest end of that range (0 for no number) and marked invalid.
struct CEAndJC {
    WesternDate ce;
    WesternDate jc;
};
CEAndJC CEAndJCFromCJD(double x);

// 0 = Sunday .. 6 = Saturday.
int WeekdayNumber(int32_t jdn);
// "Sunday" .. "Saturday"; any other number gives "".
std::string WeekdayName(int weekday);
std::string WeekdayNameOfJDN(int32_t jdn);
// "January" .. "December"; any other number gives "".
std::string MonthName(int month);

// Hours and minutes ("02:32") of a fraction of a day; "XX:XX:XX" when f is not in [0, 1).
std::string TimeText(double fraction);

// Time text of the fraction of a CJDL + " GMT", e.g. "10:04 GMT".
std::string LondonTime(double cjdl);
// Time text of the fraction of a CJDC + " " + zone code, e.g. "18:04 CCT".
std::string ReferenceTime(double cjdc, const std::string& zoneCode);

// "yyyy-mm-dd": a plain year (negative with '-', no leading zeros), grouped by "," beyond +-9999.
std::string DateText(const WesternDate& rec);

// "The 31st day of December in the year 2001 in the Common Era Calendar" ("Julian" for 'J').
std::string DateLongText(const WesternDate& rec);

// Ordinal suffix of a day number: 1st, 2nd, 3rd, 4th, 11th, 12th, 13th, 21st ...
std::string DayOrdinal(int day);

// Groups a number text by threes with the first character of the separator; an empty separator
// leaves it unchanged. Long texts are grouped in full, never cut.
std::string SeparateThousands(const std::string& numberText, const std::string& separator);

// Reads the date part of an entry (designation already removed) as year-month-day. The record's
// calendar letter chooses the calendar ('R' Zodozizidu Zidevuze, 'J' Julian, else Gregorian).
// Returns 1 valid (jdn set for 'G' and 'J'), 0 not a date, -1 out of the library's range; the
// record's valid field is 1 exactly when 1 is returned.
int ParseWesternDate(const std::string& text, WesternDate& rec);

// A day count with four decimals grouped by ",": 2455900.92 -> "2,455,900.9200".
std::string DayCountText(double value);

} // namespace orlun
