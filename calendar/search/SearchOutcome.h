// What a search gives back: the new moment, or the message that refuses it. A refusal leaves the
// current moment where it was; the window shows the message.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "calendar/navigation/MoveRefusal.h"

namespace orlun {

struct SearchRefusal {
    std::string title; // empty: the application's own title
    std::string text;
    MessageIcon icon = MessageIcon::None;
};

struct SearchOutcome {
    bool found = false;
    double ajd = 0;          // the moment found (when found)
    int calendar = -1;       // the CalendarRow that becomes current; -1 leaves it
    SearchRefusal refusal;   // why not (when not found)
};

inline constexpr const char* kSearchTitle = "Search";
inline constexpr const char* kFailedTitle = "Failed";
inline constexpr const char* kErrorTitle = "Error";

inline SearchOutcome Refused(std::string title, std::string text, MessageIcon icon)
{
    SearchOutcome o;
    o.refusal = {std::move(title), std::move(text), icon};
    return o;
}

inline SearchOutcome FoundAt(double ajd)
{
    SearchOutcome o;
    o.found = true;
    o.ajd = ajd;
    return o;
}

// The range message for a search that ran past an end of the admissible days.
SearchOutcome RangeRefusal(bool next);
// A found moment outside the admissible range becomes the range message.
SearchOutcome WithinRange(SearchOutcome outcome);
// A day result: 12:00 at the reference meridian of that day.
SearchOutcome FoundDay(int32_t day, int refLongitude);

} // namespace orlun
