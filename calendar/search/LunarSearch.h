// The targets that step through CHL dates: the lunar new year, a month or a year with a given
// element-animal, and the intercalary (leap) month. Each starts from the CHL date of the moment
// searched from and gives a day (12:00 at the reference meridian of the day found).
#pragma once

#include <cstdint>
#include <optional>

#include "calendar/core/ChineseDate.h"
#include "calendar/core/Settings.h"
#include "calendar/search/ElementAnimalChoice.h"
#include "calendar/search/SearchOutcome.h"
#include "calendar/search/SearchProgress.h"

namespace orlun {

// The CHL date of a moment (AJD) at the settings' meridian and epoch; nullopt when it has none.
std::optional<ChineseLunarDate> CHLDateOf(Moment ajd, const CalendarSettings& settings);
// The CHL date of a CJDC day number.
std::optional<ChineseLunarDate> CHLDateOfDay(DayNumber day, const CalendarSettings& settings);
// The day of a CHL date that converts (a moved date), as ChLDateToJDN finds it.
DayNumber DayOfDate(const ChineseLunarDate& date, const CalendarSettings& settings);

// Next: the new year of the following lunar year. Previous: this year's new year, or the one
// before when the date is itself a new year's day.
MomentOutcome LunarNewYearSearch(const std::optional<ChineseLunarDate>& start, bool next, const CalendarSettings& settings);

// The first day of the next (previous) lunar month, leap months included, whose element-animal
// matches the choice.
MomentOutcome ElementAnimalMonthSearch(const std::optional<ChineseLunarDate>& start, bool next, const ElementAnimalChoice& choice,
                                       const CalendarSettings& settings, const SearchProgress& progress);

// The new year's day of the next (previous) lunar year whose element-animal matches the choice.
MomentOutcome ElementAnimalYearSearch(const std::optional<ChineseLunarDate>& start, bool next, const ElementAnimalChoice& choice,
                                      const CalendarSettings& settings);

// The first day of the next (previous) leap month; never the month the date is in. Makes the CHL
// calendar the current one.
MomentOutcome IntercalaryMonthSearch(const std::optional<ChineseLunarDate>& start, bool next, bool keep30,
                                     const CalendarSettings& settings);

} // namespace orlun
