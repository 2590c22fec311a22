// Long texts of CHL and CHS dates: the sentences of the tool tips, the log and the calendar title,
// and the stem-branch summary of the lists. The short texts, names and readers are in
// calendar/ChineseDateText.h, included here.
//
// The options that name the day need its day number, so they run the conversion on the record
// itself, exactly as a caller converting it would: afterwards the record's valid, jdn and epoch are
// those of the conversion under the settings. When the date does not convert, the day's names are
// left out (a stale day number would name the wrong day); the rest of the text is written from the
// fields as they stand.
#pragma once

#include <string>

#include "calendar/core/ChineseDate.h"
#include "calendar/chinese/ChineseDateText.h"
#include "calendar/core/Settings.h"

namespace orlun {

// The long CHL text. Day form (dayForm):
//   "The 12th day of month 5 \r\n"
//   "in the water-sheep year (nian) at position 20 of cycle 79 (year 4701)."
// Month form: "Month 5  in the water-sheep year (nian) at position 20 of cycle 79 (year 4701)"
// ("Leap month 5* ..." for a leap month); its two blanks are the one after the month number and
// the one that stands where the day form breaks the line. Options:
//   withDayName    "(earth-horse) " after "day " (day form only; converts the record)
//   withMonthName  "(fire-tiger) " after the month number; monthFlag puts the month's stem-branch
//                  first when withStemBranch is set (see MonthElementAnimalStr)
//   withStemBranch the stem-branch after each element-animal that is shown, the year's included
// The animal names follow settings.country.
std::string CHLLongStr(CHLDate& rec, bool withDayName, bool withMonthName, bool withStemBranch,
                       bool monthFlag, bool dayForm, const CalendarSettings& settings);

// The long CHS text:
//   "The 1st day of solar term 1 (Z11) in the year (sui) at position 1 of cycle 79."
// withDayName adds "(wood-rat) " after "day " (converts the record); withStemBranch then adds
// ", jia-zi" inside those parentheses.
std::string CHSLongStr(CHSDate& rec, bool withDayName, bool withStemBranch,
                       const CalendarSettings& settings);

// The stem-branch summary of a CHL date (converts the record):
//   "(wu-wu) day 25, (bing-zi) month 11, (ji-mao) year 16 of cycle 79"
// with "*" after the month number of a leap month.
std::string CHLStemBranchStr(CHLDate& rec, const CalendarSettings& settings);

} // namespace orlun
