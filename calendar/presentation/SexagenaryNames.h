// The sexagenary names of a day, a month and a year as the main window shows them, for the
// display model and for every record that repeats them.
#pragma once

#include <string>

#include "calendar/core/ChineseDate.h"
#include "calendar/core/Settings.h"

namespace orlun {

// "earth-horse day": the element-animal of a day's place (1..60) in the cycle (the window shows
// its stem-branch, "wu-wu", as the caption).
std::string DayNameText(int dayPosition, Country country);

// "jia-yin wood-tiger month" (the stem-branch only where the country shows Chinese year forms);
// empty when the month has no name.
std::string MonthNameText(const ChineseLunarDate& chl, Country country);

// "gui-si water-snake year" (the stem-branch likewise); empty when the year has no name.
std::string YearNameText(const ChineseLunarDate& chl, Country country);

} // namespace orlun
