// A traditional festival as data: its day rule and its names. Each country's festivals are a
// field of its row (CountryFestivals.h); the rules that place a festival in a lunar year are in
// festivals/FestivalDates.
#pragma once

#include <string_view>

namespace orlun {

enum class FestivalRule {
    LunarDay,      // a month and day of the ordinary month (never its leap month)
    NewYearsEve,   // the day before the next lunar new year
    SolarTermDay,  // the day a solar term begins (true sun)
};

struct FestivalNames {
    std::string_view english;
    std::string_view simplified;  // zh-Hans
    std::string_view traditional; // zh-Hant
    std::string_view vietnamese;
    std::string_view japanese;
};

struct Festival {
    std::string_view key; // stable identifier, part of the exported event's UID
    FestivalRule rule;
    int month = 0;        // LunarDay
    int day = 0;          // LunarDay
    int term = 0;         // SolarTermDay: the program's term number (1 = winter solstice)
    int days = 1;         // how many days it lasts
    FestivalNames names;
};

} // namespace orlun
