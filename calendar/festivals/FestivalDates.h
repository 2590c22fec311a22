// The festivals of one lunar year on their days: the ordinary month's day for a lunar festival
// (never the leap month's), the day before the next new year for the eve (whatever the length or
// leap of month 12), and the day the solar term begins (true sun) for the term festivals; all at
// the settings' reference meridian.
#pragma once

#include <cstdint>
#include <vector>

#include "calendar/core/Settings.h"
#include "calendar/festivals/FestivalTable.h"
#include "calendar/festivals/LunarDay.h"

namespace orlun {

struct FestivalDay {
    const Festival* festival = nullptr;
    DayNumber first;   // day number (JDN at the reference meridian) of its first day
    int days = 1;
    LunarDay lunar;    // the lunar date of its first day
};

// How much of a lunar year's festivals the computed range holds.
enum class FestivalCoverage {
    None,  // the lunar year lies outside the computed range
    Cut,   // festivals left out because they fall outside -3000-01-01 .. 3000-01-01 CE
    Whole,
};

struct FestivalYear {
    int year = 0; // the Common Era year in which the lunar year begins
    FestivalCoverage coverage = FestivalCoverage::None;
    std::vector<FestivalDay> days; // in the order of their dates

    bool ok() const { return coverage != FestivalCoverage::None; }
    // Every festival of the year is listed.
    bool whole() const { return coverage == FestivalCoverage::Whole; }
};

FestivalYear FestivalsOfLunarYear(int year, const CalendarSettings& settings);

} // namespace orlun
