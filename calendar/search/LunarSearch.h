// The targets that step through CHL dates: the lunar new year, a month or a year with a given
// element-animal, and the intercalary (leap) month. Each starts from the CHL date of the moment
// searched from and gives a day (12:00 at the reference meridian of the day found).
#pragma once

#include "calendar/core/ChineseDate.h"
#include "calendar/core/Settings.h"
#include "calendar/search/ElementAnimalChoice.h"
#include "calendar/search/SearchOutcome.h"
#include "calendar/search/SearchProgress.h"

namespace orlun {

// The CHL date of a moment (AJD) at the settings' meridian and epoch; valid = 0 when it has none.
CHLDate CHLDateOf(double ajd, const CalendarSettings& settings);
// The CHL date of a CJDC day number.
CHLDate CHLDateOfDay(int32_t day, const CalendarSettings& settings);

// Next: the new year of the following lunar year. Previous: this year's new year, or the one
// before when the date is itself a new year's day.
SearchOutcome LunarNewYearSearch(const CHLDate& start, bool next, const CalendarSettings& settings);

// The first day of the next (previous) lunar month, leap months included, whose element-animal
// matches the choice.
SearchOutcome ElementAnimalMonthSearch(const CHLDate& start, bool next, const ElementAnimalChoice& choice,
                                       const CalendarSettings& settings, const SearchProgress& progress);

// The new year's day of the next (previous) lunar year whose element-animal matches the choice.
SearchOutcome ElementAnimalYearSearch(const CHLDate& start, bool next, const ElementAnimalChoice& choice,
                                      const CalendarSettings& settings);

// The first day of the next (previous) leap month; never the month the date is in. Makes the CHL
// calendar the current one.
SearchOutcome IntercalaryMonthSearch(const CHLDate& start, bool next, bool keep30,
                                     const CalendarSettings& settings);

// The year position moved by one, wrapping into the next or previous cycle.
void StepYearPosition(CHLDate& rec, bool next);

} // namespace orlun
