// Western dates and Julian day numbers: the conversions between dates and day numbers (through
// the date-conversion library, dayconv), weekday names, the time-of-day text and the date texts in
// which Common Era (Gregorian) and Julian dates appear everywhere in the program.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include <optional>

#include "calendar/core/ArcDate.h"
#include "calendar/core/DayNumber.h"
#include "calendar/core/Meridian.h"
#include "calendar/core/WesternDate.h"

namespace orlun {

constexpr char kDateSeparator = '-';
constexpr char kThousandsSeparator = ',';

// The day number of a date in its calendar. The fields are counted as given, unchecked: month 13
// counts on into the next year (ok() says whether the date exists).
DayNumber DateToJDN(const WesternDate& date);
// The date of a day number in the calendar; exact for every 32-bit day number.
WesternDate JDNToDate(DayNumber day, WesternCalendar calendar);

// The date of a day number in the Gregorian calendar.
WesternDate GregorianDate(DayNumber day);
// The day number of a Gregorian date.
DayNumber GregorianJDN(int32_t year, int month, int day);

// The Common Era and Julian dates of the day of a local time, its chronological Julian date
// truncated toward zero. A count that is no number or lies beyond the 32-bit day numbers gives
// the dates of the nearest end of that range (day 0 for no number) and inRange false.
struct CEAndJC {
    WesternDate ce;
    WesternDate jc;
    DayNumber day;
    bool inRange = false;
};
CEAndJC CEAndJCFromCJD(LocalTime cjd);

// 0 = Sunday .. 6 = Saturday.
int WeekdayNumber(DayNumber day);
// "Sunday" .. "Saturday"; any other number gives "".
std::string WeekdayName(int weekday);
std::string WeekdayNameOfJDN(DayNumber day);
// "January" .. "December"; any other number gives "".
std::string MonthName(int month);

// Hours and minutes ("02:32") of a fraction of a day; "XX:XX:XX" when f is not in [0, 1).
std::string TimeText(double fraction);

// Time text of a local time in London + " GMT", e.g. "10:04 GMT".
std::string LondonTime(LocalTime t);
// Time text of a local time on its own meridian + " " + zone code, e.g. "18:04 CCT".
std::string ReferenceTime(LocalTime cjdc, const std::string& zoneCode);

// "yyyy-mm-dd": a plain year (negative with '-', no leading zeros), grouped by "," beyond +-9999.
std::string DateText(const WesternDate& date);

// "The 31st day of December in the year 2001 in the Common Era Calendar" ("Julian" calendar).
std::string DateLongText(const WesternDate& date);

// Ordinal suffix of a day number: 1st, 2nd, 3rd, 4th, 11th, 12th, 13th, 21st ...
std::string DayOrdinal(int day);

// Groups a number text by threes with the first character of the separator; an empty separator
// leaves it unchanged. Long texts are grouped in full, never cut.
std::string SeparateThousands(const std::string& numberText, const std::string& separator);

// The outcome of reading a typed date: status 1 a date (date and day set), 0 not a date, -1 a
// year out of the library's range.
struct WesternReading {
    int status = 0;
    WesternDate date;
    DayNumber day;
    bool ok() const { return status == 1; }
};
// Reads the date part of an entry (designation already removed) as year-month-day in the
// calendar.
WesternReading ParseWesternDate(const std::string& text, WesternCalendar calendar);
// Reads the date part of an ARC entry as year-month-day, with month 1..13 and day 1..30; whether
// that day exists is ArcCal's to say. nullopt when the text is no such date.
std::optional<ARCDate> ParseARCDateFields(const std::string& text);

// A day count with four decimals grouped by ",": 2455900.92 -> "2,455,900.9200".
std::string DayCountText(double value);

} // namespace orlun
