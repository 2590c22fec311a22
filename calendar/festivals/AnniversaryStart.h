// Where a run of lunar anniversaries begins: the lunar date remembered and the first lunar year.
// A month-day ("12-30", "4*-15") repeats from the present lunar year; a whole date that was
// remembered (a birth, a death) from the lunar year after its own.
#pragma once

#include <optional>
#include <string_view>

#include "calendar/core/Settings.h"
#include "calendar/festivals/LunarDay.h"

namespace orlun {

inline constexpr int kDefaultAnniversaryYears = 10;
inline constexpr int kMaxAnniversaryYears = 1000;
inline constexpr std::string_view kDefaultAnniversaryTitle = "Lunar anniversary";

struct RememberedDay {
    LunarDay day;
    int lunarYear = 0; // the CE year in which its lunar year begins
};

// The lunar date of a moment (AJD) at the settings' meridian and epoch.
RememberedDay LunarDayOfMoment(Moment ajd, const CalendarSettings& settings);

struct AnniversaryStart {
    LunarDay day;
    int firstYear = 0; // the CE year in which the first lunar year begins
};

// A typed month-day repeats from `presentYear`; nullopt when the text is no month-day.
std::optional<AnniversaryStart> StartOfMonthDay(std::string_view text, int presentYear);
// A whole date (its moment, as the date field reads it) repeats from the lunar year after its own.
AnniversaryStart StartOfRememberedDate(Moment ajd, const CalendarSettings& settings);

} // namespace orlun
