// The traditional festivals of each country, as data: one row per festival with its day rule and
// its names. The rules that place a row in a lunar year are in FestivalDates.
#pragma once

#include <span>
#include <string_view>

#include "calendar/core/Settings.h"
#include "calendar/native/Language.h"

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

std::span<const Festival> FestivalsOf(Country country);

// The name in the language asked for; where the festival has none in it, in the country's own
// language; English for English.
std::string_view FestivalName(const Festival& festival, Language language, Country country);

} // namespace orlun
