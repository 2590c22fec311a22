// The dates orlun-cli days reads: Common Era dates "2025-01-31", "-0044-03-15", with or without
// the code "CE" after them. The whole text is the date: another calendar's code, a time or any
// other text after it is refused, never dropped.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/core/DayNumber.h"

namespace orlun::cli {

enum class DayArgumentStatus { Date, NotADate, OtherCalendar };

struct DayArgument {
    DayArgumentStatus status = DayArgumentStatus::NotADate;
    DayNumber day;             // the Gregorian date's day number, for Date
    std::string calendar = {}; // the other calendar's code ("JC"), for OtherCalendar
};

// Reads a typed date in any letter case; blanks around the date, its fields and the code are
// allowed. The day may still lie outside the program's range: that is the caller's to say.
DayArgument ReadDayArgument(std::string_view text);

} // namespace orlun::cli
