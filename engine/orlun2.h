// Reading Chinese date strings into CHL and CHS date records.
//
// Our own replacement of the date-string library the program was designed around: the same
// functions, arguments and results. The readers check the form of the text and that every number
// fits its 32-bit field; whether the date exists (position 1..60, month 1..12, a leap month in that
// year, ...) is left to the conversions to day numbers. Neither reader keeps state between calls.
//
// Forms (blanks are allowed around every field and before the date):
//   CHL  cycle-position-month[*]-day      "79-30-01-01", "79-31-9*-12", "-3-05-1-1"
//   CHS  cycle-position-solarterm-day     "2-01-01-01"
// - Every field is decimal digits; only the cycle may carry a leading "-" (a cycle before the
//   epoch). Leading zeros are allowed. A number that does not fit in 32 bits is refused, never
//   wrapped.
// - "*" directly after the month digits marks a leap month (CHL only).
// - Whatever follows the day after a blank is ignored ("79-30-01-01 CHL 20:00 CCT",
//   "2-01-01-01 CHS (Z11)"), except a further "-" field, which makes the text no date
//   ("79-30-01-01-01", "79-30-01-01 - 01"). Anything else directly after the day refuses the text.
// - "?" in place of the position means "the year of the element-animal named after the date":
//   the first word after the day must then be element-animal ("70-?-12-30 earth-rat"), in any
//   letter case, with the animal names of every country row accepted (rabbit or cat, sheep or goat,
//   pig or boar). The position becomes that of the pair; without such a word the text is no date.
//   This is how date entry hands over a year chosen by its element-animal.
#pragma once

#include <cstdint>

#include "calendar/core/ChineseDate.h"
#include "calendar/core/RecordLayouts.h"

// Reads a CHL date. On success writes cycle, position, month, day and leap (0 or 1) into the
// record and sets valid := 1; otherwise sets valid := 0 and leaves the other fields as they were.
// epoch and jdn are never touched. A null text gives valid 0; a null record is left alone.
// Always returns 0: the answer is the valid field.
int32_t chl_datestr_to_chldate(const char* text, orlun::CHLDate* rec);

// Reads a CHS date. On success writes cycle, position, term and day into the record and sets
// valid := 1; otherwise as chl_datestr_to_chldate.
int32_t chs_datestr_to_chsdate(const char* text, orlun::CHSDate* rec);
