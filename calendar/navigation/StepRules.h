// The kinds of step a move unit makes, each told by its unit's row what to move: a time shift,
// Western months or years, Chinese lunar or solar dates, ARC months or years.
//
// Time units change the moment and keep its fraction. Western units keep the time of day in
// London, Chinese and ARC units the time of day at the reference meridian; each makes its own
// calendar the current one.
#pragma once

#include "calendar/core/ChineseDate.h"
#include "calendar/core/Outcome.h"
#include "calendar/core/Settings.h"
#include "calendar/core/WesternDate.h"
#include "calendar/navigation/MoveStep.h"

namespace orlun {

// The moment plus or minus the days.
MomentOutcome ShiftTime(Moment ajd, bool forward, double days);

// One month of the Gregorian calendar.
MomentOutcome WesternMonthStep(Moment ajd, bool forward);
// So many years of the Gregorian or Julian calendar (29 February becomes 28 February).
MomentOutcome WesternYearsStep(Moment ajd, bool forward, int years, WesternCalendar calendar);

// How one Chinese unit moves a date, and the words of its refusals.
template <class Date>
struct ChineseRule {
    const char* unitName; // "lunar month": "Unable to add a lunar month."
    bool cycle;           // a cycle unit ends the move on any failure and words it differently
    bool (*move)(Date& date, const MoveInputs& inputs, const CalendarSettings& settings);
};

MomentOutcome LunarStep(Moment ajd, const MoveInputs& inputs, const CalendarSettings& settings,
                        const ChineseRule<ChineseLunarDate>& rule);
MomentOutcome SolarStep(Moment ajd, const MoveInputs& inputs, const CalendarSettings& settings,
                        const ChineseRule<ChineseSolarDate>& rule);

// One ARC month (or year) at the reference meridian.
MomentOutcome ArcStep(Moment ajd, bool forward, bool byYear, const CalendarSettings& settings);

} // namespace orlun
