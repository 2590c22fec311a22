// Small helpers shared by the calculator tests: Gregorian day numbers and texts, Chinese dates,
// angles.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "calendar/core/ChineseDate.h"
#include "calendar/western/DatePr2.h"
#include "calendar/chinese/Orlun3.h"

namespace orlun::test {

// "yyyy-mm-dd" of a JDN in the Gregorian calendar.
inline std::string GregorianText(int32_t jdn) { return DateText(GregorianDate(DayNumber(jdn))); }

// A CHL date with the date fields set (epoch 0); leap marks the leap month of that number.
inline ChineseLunarDate Lunar(int32_t cycle, int position, int month, int day, bool leap = false)
{
    return {cycle, position, ChineseMonth{month, leap}, day, 0};
}

// A CHS date with the date fields set (epoch 0).
inline ChineseSolarDate Solar(int32_t cycle, int position, int term, int day)
{
    return {cycle, position, term, day, 0};
}

// "79-30-01-01 CHL" (a leap month "4*") and "79-30-4-7 CHS": the fields as they stand, for
// failure messages and comparisons; "no date" for a conversion that gave none.
inline std::string Text(const ChineseLunarDate& d)
{
    return std::to_string(d.cycle) + "-" + std::to_string(d.position) + "-" + MonthLabelStr(d.month) + "-" +
           std::to_string(d.day) + " CHL";
}

inline std::string Text(const ChineseSolarDate& d)
{
    return std::to_string(d.cycle) + "-" + std::to_string(d.position) + "-" + std::to_string(d.term) + "-" +
           std::to_string(d.day) + " CHS";
}

template <class Date> std::string Text(const std::optional<Date>& d) { return d ? Text(*d) : "no date"; }

// a - b in degrees, reduced to -180..180.
inline double AngleDifference(double a, double b)
{
    double d = std::fmod(a - b, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d <= -180.0) d += 360.0;
    return d;
}

} // namespace orlun::test
