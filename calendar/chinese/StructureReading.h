// Reading Chinese dates out of a built year structure: the conversions without the cache, and the
// reference the cached answers are checked against.
#pragma once

#include <cstdint>
#include <optional>

#include "calendar/chinese/ChineseYearRecord.h"

namespace orlun {

// CJDateToChDates on a structure already built for the time.
std::optional<ChineseDatesOfDay> ReadChineseDates(const YearStructure& ys, LocalTime cjdc, int epoch);

// The search of ChLDateToJDN for a month and day in a structure built around the middle of the
// month of its Common Era year: same codes.
CHLDay ReadCHLDay(const YearStructure& ys, ChineseMonth month, int day);

// The CHS date of day d0 from the term days of a solar-term table, the sui numbered from the
// Common Era year of its first entry. nullopt when the day lies outside entries 0..72.
std::optional<ChineseSolarDate> SolarDateIn(const TermDays& termDay, int32_t firstTermYear, DayNumber d0, int epoch);

// The day a CHS date names in its term table, and whether it lies within its term; nullopt for a
// date out of its ranges or years, or without a term table. ChSDateToJDN reads it.
struct SolarDayCandidate {
    DayNumber day;
    bool withinTerm = false;
};
std::optional<SolarDayCandidate> SolarDayOf(const ChineseSolarDate& date, const CalendarSettings& settings);

} // namespace orlun
