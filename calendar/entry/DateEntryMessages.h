// The codes and texts by which date entry refuses an entry, and the admissible range of moments.
#pragma once

#include <string>

#include "calendar/core/Refusal.h"
#include "calendar/core/Settings.h"

namespace orlun {

// Date-entry error codes, 1..15 (None is success). The message of each is DateEntryErrorMessage.
enum class DateEntryError : int {
    None = 0,
    NoDate = 1,             // nothing entered, or not beginning with a digit or "-"
    NoCalendar = 2,         // designation not at the end, or none and not confirmed
    TimeInDate = 3,         // ":" in the date text
    InvalidTime = 4,        // the time field is not a time
    Separator = 5,          // "/" or "." in a calendar date
    InvalidCE = 6,
    InvalidJC = 7,
    InvalidCHL = 8,
    InvalidCHS = 9,
    InvalidDayCount = 10,   // more than one "-" in a CJDC, CJDL or AJD entry
    InvalidARC = 11,
    Unparsed = 12,          // no calendar branch took the text
    CHLDayBeyondMonth = 13,
    InvalidPlusMinus = 14,  // raised by Convert
    TooEarly = 15,          // day number below kMinJDN, or a Chinese year before the range
    // A well-formed Chinese date of a year after the range. It has no number of its own for the
    // user: it is answered with the range message "Date is later than 3000-01-01 CE." under the
    // range title, as a moment after the range is.
    TooLate = 16,
};
inline constexpr int kMaxDateEntryError = static_cast<int>(DateEntryError::TooLate);

// Titles of the message boxes of date entry and Convert.
inline constexpr const char* kDateEntryErrorTitle = "Invalid date or time entry";
inline constexpr const char* kDateRangeTitle = "Date out of range";
inline constexpr const char* kCalendarQuestionTitle = "Calendar?";
inline constexpr const char* kConvertTitle = "Convert date";
inline constexpr const char* kConvertUnchangedMessage = "Calendar dates unchanged.";

// The message of an error code; line breaks are "\r\n". Code 8 has a longer text for China, which
// also reads overseas Chinese years. None, and a number that names no code, give "".
std::string DateEntryErrorMessage(DateEntryError code, Country country);
// The title of the box that shows it: kDateRangeTitle for TooLate, else kDateEntryErrorTitle.
const char* DateEntryErrorTitle(DateEntryError code);
// The whole message: its title, its text, a warning, and the date field to be corrected.
Refusal DateEntryRefusal(DateEntryError code, Country country);

// Where a moment lies against the admissible range AJD 625333.0 .. 2816788.0 (both included).
// A value that is not a number is no admissible moment: it counts as too late.
enum class RangeCheck { InRange, TooEarly, TooLate };
RangeCheck CheckDateRange(Moment ajd);
// "Date is earlier than -3000-01-01 CE.", "Date is later than 3000-01-01 CE.", or "" in range.
std::string DateRangeMessage(RangeCheck check);

} // namespace orlun
