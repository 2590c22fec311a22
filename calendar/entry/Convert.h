// Convert: the moment of an entered date, with plus or minus a number of days.
#pragma once

#include "calendar/entry/DateEntry.h"

namespace orlun {

enum class ConvertOutcome {
    Converted,  // ajd is the new moment
    EntryError, // errorCode says why (1..15); the parse's fields are still to be written back
    Unchanged,  // the entered moment is the current one: "Calendar dates unchanged."
    OutOfRange, // range says which end; the current moment stays
};

struct ConvertResult {
    ConvertOutcome outcome = ConvertOutcome::EntryError;
    int errorCode = kEntryOK;
    RangeCheck range = RangeCheck::InRange;
    double ajd = 0;
    bool parsed = false;   // ParseDate ran: its fields are in parse.fields
    ParseResult parse;
    std::string plusMinus; // the plus/minus field, trimmed, to be written back
};

// Reads the entry (ParseDate), adds or subtracts the plus/minus days (plus: optPlus selected) and
// checks the range. An entered moment equal to currentAJD without plus/minus days is Unchanged.
ConvertResult ConvertEntry(const DateEntry& entry, bool plus, double currentAJD,
                           const CalendarSettings& settings, const CalendarQuestion& ask);

} // namespace orlun
