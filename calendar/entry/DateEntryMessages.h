// The codes and texts by which date entry refuses an entry, and the admissible range of moments.
#pragma once

#include <string>

#include "calendar/core/Settings.h"

namespace orlun {

// Date-entry error codes, 1..15 (0 is success). The message of each is DateEntryErrorMessage.
enum DateEntryError : int {
    kEntryOK = 0,
    kEntryNoDate = 1,             // nothing entered, or not beginning with a digit or "-"
    kEntryNoCalendar = 2,         // designation not at the end, or none and not confirmed
    kEntryTimeInDate = 3,         // ":" in the date text
    kEntryInvalidTime = 4,        // the time field is not a time
    kEntrySeparator = 5,          // "/" or "." in a calendar date
    kEntryInvalidCE = 6,
    kEntryInvalidJC = 7,
    kEntryInvalidCHL = 8,
    kEntryInvalidCHS = 9,
    kEntryInvalidDayCount = 10,   // more than one "-" in a CJDC, CJDL or AJD entry
    kEntryInvalidARC = 11,
    kEntryUnparsed = 12,          // no calendar branch took the text
    kEntryCHLDayBeyondMonth = 13,
    kEntryInvalidPlusMinus = 14,  // raised by Convert
    kEntryTooEarly = 15,          // day number below kMinJDN, or a Chinese year before the range
    // A well-formed Chinese date of a year after the range. It has no number of its own for the
    // user: it is answered with the range message "Date is later than 3000-01-01 CE." under the
    // range title, as a moment after the range is.
    kEntryTooLate = 16,
};
inline constexpr int kMaxDateEntryError = kEntryTooLate;

// Titles of the message boxes of date entry and Convert.
inline constexpr const char* kDateEntryErrorTitle = "Invalid date or time entry";
inline constexpr const char* kDateRangeTitle = "Date out of range";
inline constexpr const char* kCalendarQuestionTitle = "Calendar?";
inline constexpr const char* kConvertTitle = "Convert date";
inline constexpr const char* kConvertUnchangedMessage = "Calendar dates unchanged.";

// The message of an error code; line breaks are "\r\n". Code 8 has a longer text for China, which
// also reads overseas Chinese years. A code outside 1..16 gives "".
std::string DateEntryErrorMessage(int code, Country country);
// The title of the box that shows it: kDateRangeTitle for kEntryTooLate, else kDateEntryErrorTitle.
const char* DateEntryErrorTitle(int code);

// Where a moment lies against the admissible range AJD 625333.0 .. 2816788.0 (both included).
// A value that is not a number is no admissible moment: it counts as too late.
enum class RangeCheck { InRange, TooEarly, TooLate };
RangeCheck CheckDateRange(double ajd);
// "Date is earlier than -3000-01-01 CE.", "Date is later than 3000-01-01 CE.", or "" in range.
std::string DateRangeMessage(RangeCheck check);

} // namespace orlun
