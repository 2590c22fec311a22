// iCalendar (RFC 5545) documents of all-day events, through libical: escaping of TEXT values,
// CRLF line ends and lines folded at 75 octets are the library's.
#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace orlun {

struct IcsDate {
    int year = 0; // astronomical numbering, Gregorian calendar
    int month = 1;
    int day = 1;
};

struct AllDayEvent {
    std::string uid;         // the same for the same event at every export
    IcsDate start;
    IcsDate end;             // the day after the last day (exclusive)
    std::string summary;     // UTF-8
    std::string description; // UTF-8; may hold line breaks
};

// A VCALENDAR (VERSION 2.0, the product id) holding one VEVENT per event, each stamped with
// `stamp` (UTC).
std::string ICalendarText(const std::vector<AllDayEvent>& events, std::string_view productId, std::time_t stamp);

} // namespace orlun
