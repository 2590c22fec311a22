// Chinese date arithmetic: a CHL date moved by a lunar month, a lunar year or a 60-year cycle,
// a CHS date by a solar term, a solar year or a cycle. Each works on the date in place, tests
// every candidate with the conversion to a day number, and returns true when it leaves a date
// that converts. On false the date holds the last candidate tried and must not be used.
//
// keep30 makes a date on day 29 go back to day 30 wherever the target month has one (a repeated
// move keeps the 30th a 29-day month took away); preferLeap makes a year move land in the leap
// month of its number when the target year has one.
#pragma once

#include "calendar/core/ChineseDate.h"
#include "calendar/core/Settings.h"

namespace orlun {

bool CHLMoveMonth(ChineseLunarDate& date, bool forward, bool keep30, const CalendarSettings& settings);
bool CHLMoveYear(ChineseLunarDate& date, bool forward, bool keep30, bool preferLeap,
                 const CalendarSettings& settings);
bool CHLMoveCycle(ChineseLunarDate& date, bool forward, bool keep30, bool preferLeap,
                  const CalendarSettings& settings);

bool CHSMoveYear(ChineseSolarDate& date, bool forward, const CalendarSettings& settings);
// byCycle moves sixty years instead of one term.
bool CHSMoveTerm(ChineseSolarDate& date, bool forward, bool byCycle, const CalendarSettings& settings);

} // namespace orlun
