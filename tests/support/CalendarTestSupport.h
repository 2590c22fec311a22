// Small helpers shared by the calculator tests: Gregorian day numbers and texts, Chinese date
// records, angles.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

#include "calendar/core/ChineseDate.h"
#include "calendar/western/DatePr2.h"
#include "calendar/chinese/Orlun3.h"

namespace orlun::test {

// "yyyy-mm-dd" of a JDN in the Gregorian calendar.
inline std::string GregorianText(int32_t jdn) { return DateText(GregorianDate(DayNumber(jdn))); }

// A CHL record with the date fields set.
inline CHLDate Lunar(int32_t cycle, int32_t position, int32_t month, int32_t day, int32_t leap = 0)
{
    CHLDate r;
    r.cycle = cycle;
    r.position = position;
    r.month = month;
    r.day = day;
    r.leap = leap;
    return r;
}

// A CHS record with the date fields set.
inline CHSDate Solar(int32_t cycle, int32_t position, int32_t term, int32_t day)
{
    CHSDate r;
    r.cycle = cycle;
    r.position = position;
    r.term = term;
    r.day = day;
    return r;
}

// "79-30-01-01 CHL" (a leap month "4*") and "79-30-4-7 CHS": the fields as they stand, for
// failure messages and comparisons.
inline std::string Text(const ChineseLunarDate& d)
{
    return std::to_string(d.cycle) + "-" + std::to_string(d.position) + "-" + MonthLabelStr(d.month) + "-" +
           std::to_string(d.day) + " CHL";
}

inline std::string Text(const CHLDate& r)
{
    return std::to_string(r.cycle) + "-" + std::to_string(r.position) + "-" +
           MonthLabelStr({r.month, r.leap == 1}) + "-" + std::to_string(r.day) + " CHL";
}

inline std::string Text(const CHSDate& r)
{
    return std::to_string(r.cycle) + "-" + std::to_string(r.position) + "-" +
           std::to_string(r.term) + "-" + std::to_string(r.day) + " CHS";
}

// a - b in degrees, reduced to -180..180.
inline double AngleDifference(double a, double b)
{
    double d = std::fmod(a - b, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d <= -180.0) d += 360.0;
    return d;
}

} // namespace orlun::test
