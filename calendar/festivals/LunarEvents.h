// Festivals and anniversaries as calendar events for another calendar program: a stable id, the
// days, a title in the chosen language and a description with the lunar date. The file format
// (iCalendar) is the engine adapter's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/core/Settings.h"
#include "calendar/festivals/Anniversary.h"
#include "calendar/festivals/FestivalDates.h"
#include "calendar/native/Language.h"

namespace orlun {

struct LunarEvent {
    std::string uid;  // the same for the same festival or anniversary at every export
    DayNumber first;  // JDN of the first day
    int days = 1;
    std::string summary;
    std::string description;
};

// The lunar date of a day in the chosen language: "lunar date 08-15" in English, 农历八月十五 …
std::string LunarDateLine(const LunarDay& day, int lunarYear, Language language);

std::vector<LunarEvent> FestivalEvents(const FestivalYear& year, Language language, const CalendarSettings& settings);

// `original` is the date remembered; `title` names it ("Grandmother's death anniversary").
std::vector<LunarEvent> AnniversaryEvents(const Anniversaries& anniversaries, const LunarDay& original,
                                          const std::string& title, Language language,
                                          const CalendarSettings& settings);

} // namespace orlun
