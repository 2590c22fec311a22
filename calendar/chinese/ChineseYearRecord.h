// What the conversions read from the year structure of one solar year, kept in compact form:
// the month starts, the month numbers, the year each month belongs to and the solar-term days.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "calendar/chinese/Orlun3.h"
#include "calendar/chinese/LunarYearMonths.h"

namespace orlun {

// A month label as a small code: the number 1..12, plus kLeapCode for a leap month; 0 for a
// label that names no month ("stop here" and the empty label).
using MonthCode = uint8_t;
inline constexpr MonthCode kNoMonthCode = 0;
inline constexpr MonthCode kLeapCode = 16;
inline constexpr MonthCode kNewYearCode = 1;
MonthCode MonthCodeOf(int month, bool leap);

using TermDays = std::array<DayNumber, kTermTableSize>;

struct ChineseYearRecord {
    int monthCount = 0;      // 0 when the structure was not ok()
    std::array<DayNumber, kMaxMonths> monthStart{};
    std::array<MonthCode, kMaxMonths> label{};
    // Common Era year of the nearest month "01" at or before each month; kNoNian when none.
    std::array<int16_t, kMaxMonths> nianYear{};
    TermDays termDay{};
    // Common Era year of termDay[0], which numbers the first sui; none when the year's true-sun
    // table was not valid.
    std::optional<int32_t> firstTermYear;
    std::optional<int> secondNewYear; // index of the second month "01", if any

    constexpr bool ok() const { return monthCount > 0; }
};
inline constexpr int16_t kNoNian = INT16_MIN;

ChineseYearRecord MakeYearRecord(const YearStructure& ys);

// The readings of a record: the same answers as the reading of its structure.
std::optional<ChineseLunarDate> LunarDateFromRecord(const ChineseYearRecord& r, DayNumber d0, int epoch);
CHLDay CHLDayFromRecord(const ChineseYearRecord& r, ChineseMonth month, int day);
LunarYearMonths LunarYearFromRecord(const ChineseYearRecord& r, int year);

} // namespace orlun
