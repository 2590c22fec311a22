// A typed date read whole on the command line. The window's reader drops any character other than
// a digit or "-" from a Common Era, Julian or ARC date ("2025-01-03x CE" is 2025-01-03), and reads
// a day count by its leading number ("2455900.5x AJD"); the command line refuses such text with
// the calendar's own date-entry error instead, and reads every other entry as the window does.
#pragma once

#include <string>

#include "calendar/entry/Convert.h"

namespace orlun::cli {

// The error of a date field (as the parse leaves it: trimmed, upper case, its code at the end)
// that holds text the reader would drop unseen; DateEntryError::None when the text is whole or is
// not one the reader drops from (no code, CHL, CHS).
DateEntryError StrayTextError(const std::string& dateField);

// ConvertEntry, then StrayTextError on the date it read: an entry the window would take by
// dropping text is refused with that error.
ConvertResult ConvertWholeEntry(const DateEntry& entry, bool plus, Moment currentAJD, const CalendarSettings& settings,
                                const CalendarQuestion& ask);

} // namespace orlun::cli
