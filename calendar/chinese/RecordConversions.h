// The conversions of Orlun3.h on the CHL and CHS record layouts, for the callers not yet moved to
// the date values. Each reads the record into a value, converts it, and writes back the fields the
// program has always written; nothing here decides anything of its own.
#pragma once

#include "calendar/core/RecordLayouts.h"
#include "calendar/chinese/Orlun3.h"

namespace orlun {

// The value of a record's fields; the leap flag is read as "leap == 1".
ChineseLunarDate LunarValueOf(const CHLDate& rec);
ChineseSolarDate SolarValueOf(const CHSDate& rec);
// A record of a value: valid := 1, jdn := day.
CHLDate LunarRecordOf(const ChineseLunarDate& date, DayNumber day);
CHSDate SolarRecordOf(const ChineseSolarDate& date, DayNumber day);

// CHL date to day number; valid is 0 for every outcome but Found (then jdn is set), and the epoch
// becomes settings.epoch when the fields are in range.
CHLResult ChLDateToJDN(CHLDate& rec, const CalendarSettings& settings);

// Both records get jdn = floor(moment), the epoch, and valid = 1; a moment without a structure
// leaves valid = 0. A CHS record whose valid field holds kCHSNotWanted on entry is not filled (its
// valid field becomes 0).
void CJDateToChDates(double cjdc, int epoch, int refLongitude, CHSDate& chs, CHLDate& chl);

// Recomputes the CHL fields from the record's own jdn, under the record's epoch.
void CHLRefresh(CHLDate& rec, int refLongitude);

// CHS date to day number. Returns valid; jdn is set whenever the term table was found.
bool ChSDateToJDN(CHSDate& rec, const CalendarSettings& settings);

// CHLMonthLength of the record's month; sets day := 30 and converts the record as ChLDateToJDN.
int CHLMonthLength(CHLDate& rec, const CalendarSettings& settings);

} // namespace orlun
