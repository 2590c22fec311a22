// The Zodozizidu Zidevuze (ARC): an arithmetic lunisolar calendar of 12- and 13-month years in a
// fixed cycle of 1803 years and 658532 days. Conversion between day numbers and ARC dates, moves by
// month and year, and the date texts with their month and day names. No astronomy is involved.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "calendar/core/ArcDate.h"
#include "calendar/core/DayNumber.h"

namespace orlun {


inline constexpr int32_t kARCEpochYear = 443;      // first year of the cycle that holds the epoch
inline constexpr int32_t kARCEpochJDN = 897474;    // day number of ARC 443-01-01
inline constexpr int32_t kARCCycleYears = 1803;
inline constexpr int32_t kARCCycleDays = 658532;
inline constexpr int32_t kARCCycleLongYears = 664; // thirteen-month years per cycle
inline constexpr int32_t kARCCycleExtraDays = 350; // years with day 30 of month 10 per cycle

// Text forms of ARCDateStr (the numbers are the older callers'): the main window's line shows the
// short form, its tool tip the long one.
enum class ARCTextForm : int {
    Short = 1,            // 4697-11-25 ARC
    ShortWithNames = 2,   // 4697-11-25 ARC (Mars Day, Dionysus 25,  4697)
    MonthDayYear = 3,     // Dionysus 25,  4697
    Long = 4,             // The 25th day of Dionysus in the year 4697
    DayMonthDayYear = 5,  // Mars Day, Dionysus 25,  4697
};

bool ARCIsThirteenMonthYear(int32_t year);
bool ARCHasExtraDay(int32_t year);

// 29 or 30; -2 for month 13 of a twelve-month year; -1 for a month outside 1..13.
int ARCMonthLength(int32_t year, int32_t month);
// 354, 355, 384 or 385.
int ARCYearLength(int32_t year);

// 1 <= day <= 30, month 1..13, month 13 only in a thirteen-month year, day 30 only in a 30-day
// month, and a day number that fits 32 bits.
bool ARCIsValid(int32_t year, int32_t month, int32_t dayOfMonth);

// The day number of a date that ARCIsValid; nullopt for any other.
std::optional<DayNumber> ARCToJDN(const ARCDate& date);
// The ARC date of a day: every 32-bit day number has one.
ARCDate JDNToARC(DayNumber day);

// Move the date by one month or one year in place. A day 30 that the new month lacks becomes 29;
// month 13 becomes 12 when a year move lands in a twelve-month year. At the ends of the 32-bit
// years the year stays; the date then has no day number (ARCToJDN).
void ARCMoveMonth(ARCDate& date, bool forward);
void ARCMoveYear(ARCDate& date, bool forward);

// Forms 1..5 (any other form gives ""):
// 1 "4697-11-25 ARC"
// 2 "4697-11-25 ARC (Mars Day, Dionysus 25,  4697)"
// 3 "Dionysus 25,  4697"
// 4 "The 25th day of Dionysus in the year 4697"
// 5 "Mars Day, Dionysus 25,  4697"
std::string ARCDateStr(const ARCDate& rec, ARCTextForm form);

// By month 1..13 and day 1..30; "" for any other number.
std::string ARCMonthName(int32_t month);      // "Apollo" .. "Persephone"
std::string ARCMonthShortName(int32_t month); // "Apol" .. "Pers"
std::string ARCDayName(int32_t dayOfMonth);          // "Sun Day" .. "Pluto Day", repeating every ten days
std::string ARCDayShortName(int32_t dayOfMonth);     // "Sun" .. "Pluto"

// The text left-filled with fill up to width characters; unchanged when already that long or
// when width is negative.
std::string PadLeft(const std::string& text, int width, char fill);

} // namespace orlun
