// The targets that step through days: a day with a given element-animal, and a triple
// coincidence day (a day whose element-animal is that of its CHL month and of its CHL year).
#pragma once

#include <cstdint>

#include "calendar/core/Settings.h"
#include "calendar/search/ElementAnimalChoice.h"
#include "calendar/search/SearchOutcome.h"
#include "calendar/search/SearchProgress.h"

namespace orlun {

// The nearest day after (before) the day that matches the choice: at most 60 days away.
MomentOutcome ElementAnimalDaySearch(DayNumber day, bool next, const ElementAnimalChoice& choice, Meridian reference);

// The nearest triple coincidence day after (before) the day.
MomentOutcome TripleCoincidenceSearch(DayNumber day, bool next, const CalendarSettings& settings,
                                      const SearchProgress& progress);

// The first day from the day on (back) whose cycle position is the given one: 0..59 days away.
DayNumber NextDayOfPosition(DayNumber day, int position, bool next);

} // namespace orlun
