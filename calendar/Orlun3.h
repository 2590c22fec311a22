// The Chinese year structure and the conversions between CJDC day numbers and CHL/CHS dates.
//
// The lunar calendar is not tabulated: every conversion builds, around its own moment, the lunar
// months of about three and a quarter solar years at the reference meridian and numbers them.
// Months begin on the CJDC day of the dark moon; a sui (winter solstice to winter solstice) of
// thirteen months gets one leap month, the first of its months without a major solar term.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calendar/ChineseDate.h"
#include "calendar/ChineseYears.h"
#include "calendar/Settings.h"
#include "calendar/SolarTerms.h"

namespace orlun {

inline constexpr int kMaxMonths = 51;

// Labels: "01".."12" for ordinary months, "4*" / "11*" for leap months; after the last complete
// sui the first month is "stop here" and the rest are empty.
inline constexpr const char* kStopHere = "stop here";

struct YearStructure {
    SolarTermTable terms;                           // TermMoment, TermDay (true sun)
    int MonthCount = 0;                             // month starts found, at most kMaxMonths
    int32_t FirstLunation = 0;                      // lunation number of month 0
    std::array<double, kMaxMonths> DarkMoon{};      // CJDC instant of each month's dark moon
    std::array<int32_t, kMaxMonths> MonthStart{};   // CJDC day number of each month's first day
    std::array<int16_t, kMaxMonths> MajorTermCount{}; // major terms whose day falls in the month
    std::array<std::string, kMaxMonths> MonthLabel{};
    bool valid = false;                             // false when the moment has no structure
};

// "05" for an ordinary month, "5*" for a leap month.
std::string MonthLabelStr(int month, bool leap);

// The structure around a CJDC moment, at the reference longitude (true-sun terms always).
YearStructure BuildYearStructure(double cjdc, int refLongitude);

} // namespace orlun

namespace orlun {

// CHL date to day number. Codes: 0 found (valid := 1, jdn set, epoch := settings.epoch), -1 a
// field out of range, -2 no second new year in the built structure, -3 the month was not found
// before the end of the structure, -4 the day exceeds the month's length, -5 the month does not
// exist in that year. valid is 0 for every code but 0.
int ChLDateToJDN(CHLDate& rec, const CalendarSettings& settings);

// Day number (CJDC moment) to CHL and CHS dates under the epoch. A CHS record whose valid field
// holds kCHSNotWanted on entry is not filled (its valid field becomes 0).
void CJDateToChDates(double cjdc, int epoch, int refLongitude, CHSDate& chs, CHLDate& chl);

// Recomputes the CHL fields from the record's own jdn, under the record's epoch.
void CHLRefresh(CHLDate& rec, int refLongitude);

// CHS date to day number, honouring the solar-term method of the settings. Returns valid.
bool ChSDateToJDN(CHSDate& rec, const CalendarSettings& settings);

// 30 when day 30 of the record's month converts, 29 when it fails with -4, otherwise the failure
// code. Sets day := 30 in the record.
int CHLMonthLength(CHLDate& rec, const CalendarSettings& settings);

} // namespace orlun
