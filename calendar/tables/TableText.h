// Small pieces shared by the data-window texts.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/core/Settings.h"
#include "calendar/core/WesternDate.h"

namespace orlun {

inline constexpr const char* kCrLf = "\r\n";

// A number with one leading blank when not negative: " 79", "-5". A char, not a " " literal, goes
// before the temporary string here and in the tables: GCC 12 takes "literal" + temporary for an
// overlapping copy (a false -Wrestrict from the standard library's insert).
inline std::string SignedText(int64_t n) { return n >= 0 ? ' ' + std::to_string(n) : std::to_string(n); }

// "CE" or "JC".
inline std::string EuroCalendarCode(bool julian) { return julian ? "JC" : "CE"; }

// The Western date of a day number in the Gregorian or the Julian calendar.
WesternDate EuroDate(DayNumber jdn, bool julian);

// "epoch = -2696, method = true sun" + separator + "longitude 120º E, China".
std::string SettingsNote(const CalendarSettings& s, const std::string& separator);

} // namespace orlun
