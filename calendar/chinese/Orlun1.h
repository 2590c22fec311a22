// Long texts of CHL and CHS dates: the sentences of the tool tips, the log and the calendar title,
// and the stem-branch summary of the lists. The short texts, names and readers are in
// calendar/ChineseDateText.h, included here.
//
// The options that name the day need its day number, so they convert the date under the
// settings. When the date does not convert, the day's names are left out; the rest of the text is
// written from the fields as they stand.
#pragma once

#include <string>

#include "calendar/core/ChineseDate.h"
#include "calendar/chinese/ChineseDateText.h"
#include "calendar/core/Settings.h"

namespace orlun {

// What the long CHL text shows besides the date.
struct CHLLongOptions {
    bool dayName = false;              // "(earth-horse) " after "day " (day form only)
    bool monthName = false;            // "(fire-tiger) " after the month number
    bool stemBranch = false;           // the stem-branch after each element-animal shown
    bool monthStemBranchFirst = false; // the month's stem-branch before its element-animal
    bool dayForm = true;               // "The 12th day of month 5 ..." rather than "Month 5 ..."
};

// The long CHL text. Day form:
//   "The 12th day of month 5 \r\n"
//   "in the water-sheep year (nian) at position 20 of cycle 79 (year 4701)."
// Month form: "Month 5  in the water-sheep year (nian) at position 20 of cycle 79 (year 4701)"
// ("Leap month 5* ..." for a leap month); its two blanks are the one after the month number and
// the one that stands where the day form breaks the line. The animal names follow
// settings.country.
std::string CHLLongStr(const ChineseLunarDate& date, const CHLLongOptions& options, const CalendarSettings& settings);

// The long CHS text:
//   "The 1st day of solar term 1 (Z11) in the year (sui) at position 1 of cycle 79."
// dayName adds "(wood-rat) " after "day "; stemBranch then adds ", jia-zi" inside those
// parentheses.
struct CHSLongOptions {
    bool dayName = false;
    bool stemBranch = false;
};
std::string CHSLongStr(const ChineseSolarDate& date, const CHSLongOptions& options, const CalendarSettings& settings);

// The stem-branch summary of a CHL date:
//   "(wu-wu) day 25, (bing-zi) month 11, (ji-mao) year 16 of cycle 79"
// with "*" after the month number of a leap month.
std::string CHLStemBranchStr(const ChineseLunarDate& date, const CalendarSettings& settings);

} // namespace orlun
