// Convert: the moment of an entered date, with plus or minus a number of days.
#pragma once

#include "calendar/entry/DateEntry.h"

namespace orlun {

enum class ConvertOutcome {
    Converted,  // ajd is the new moment
    EntryError, // errorCode says why (1..15); the parse's fields are still to be written back
    Unchanged,  // the entered moment is the current one: "Calendar dates unchanged."
    // ajd differs from the current moment but shows the same CE day and minute: it becomes the
    // moment and is redisplayed, then "Calendar dates unchanged."; nothing is logged.
    SameMinute,
    OutOfRange, // range says which end; the current moment stays
};

struct ConvertResult {
    ConvertOutcome outcome = ConvertOutcome::EntryError;
    DateEntryError errorCode = DateEntryError::None;
    RangeCheck range = RangeCheck::InRange;
    Moment ajd;
    bool parsed = false;   // ParseDate ran: its fields are in parse.fields
    ParseResult parse;
    std::string plusMinus; // the plus/minus field, trimmed, to be written back
};

// Reads the entry (ParseDate), adds or subtracts the plus/minus days (plus: optPlus selected) and
// checks the range. An entered moment equal to currentAJD without plus/minus days is Unchanged;
// one in the same displayed CE minute as currentAJD is SameMinute. A Chinese date of a year after
// the range is OutOfRange (TooLate), as a moment after the range is.
// The CE line shows the same day and the same minute for both moments.
bool SameDisplayedMinute(Moment ajd, Moment otherAJD);

ConvertResult ConvertEntry(const DateEntry& entry, bool plus, Moment currentAJD,
                           const CalendarSettings& settings, const CalendarQuestion& ask);

} // namespace orlun
