// What a search gives back: the new moment, or the message that refuses it. A refusal leaves the
// current moment where it was; the window shows the message.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/core/Meridian.h"
#include "calendar/core/Outcome.h"

namespace orlun {

inline constexpr const char* kSearchTitle = "Search";
inline constexpr const char* kFailedTitle = "Failed";
inline constexpr const char* kErrorTitle = "Error";

// A search refusal: the search ends and the moment stays.
inline MomentOutcome Refused(std::string title, std::string text, MessageIcon icon)
{
    return Refusal{std::move(title), std::move(text), icon, AfterRefusal::EndNow};
}

// The moment found; the current calendar stays.
inline MomentOutcome FoundAt(Moment ajd) { return NewMoment{ajd, std::nullopt}; }

// The range message for a search that ran past an end of the admissible days.
MomentOutcome RangeRefusal(bool next);
// A found moment outside the admissible range becomes the range message.
MomentOutcome WithinRange(MomentOutcome outcome);
// A day result: 12:00 at the reference meridian of that day; calendar, when given, becomes the
// current one.
MomentOutcome FoundDay(DayNumber day, Meridian reference, std::optional<CalendarRow> calendar = std::nullopt);

} // namespace orlun
