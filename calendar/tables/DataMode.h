// The modes of the data window (its intWindow) and the number of years of its lists.
#pragma once

#include <cstdint>
#include <string>

namespace orlun {

enum class DataMode : int16_t {
    LunarNewYears = 1, // lunar new years and anniversaries
    MonthStarts = 2,   // lunar month starts and leap months
    YearData = 3,      // dark moons and solar terms of three solar years
    SelfTest = 4,      // the self-test of the date conversions
    EuroNewYears = 5,  // lunar dates of Julian and Common Era new years
};

// The most years a list covers: the whole computed range.
inline constexpr int kMaxListYears = 6002;

// The number of years field cleaned: only digits and one leading sign remain ("x-1a2" -> "-12").
std::string CleanYearsText(const std::string& text);

// The value of a cleaned field, 0 when it holds no number; held to -32768..32767 like the field.
int YearsValue(const std::string& cleaned);

// The years a list takes when none is remembered: 20, 20, or 3 months (30 with leap months only).
int DefaultYears(DataMode mode, bool leapMonthsOnly);

// The leading whole number of a date text, as the year of "2013-06-01" or "-500-03-01".
int LeadingYear(const std::string& dateText);

} // namespace orlun
