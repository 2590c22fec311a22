#include "calendar/festivals/FestivalDates.h"

#include <algorithm>

#include "calendar/astro/SolarTermNames.h"
#include "calendar/chinese/LunarYearMonths.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/Limits.h"

namespace orlun {

namespace {

// Middle of the lunar year, well inside the solar year whose terms it holds.
constexpr double kMidYearOffset = 150.5;

// The lunar date of a day of the nian.
LunarDay LunarDayOf(const LunarYearMonths& nian, DayNumber jdn)
{
    for (const LunarMonth& m : nian.months)
        if (jdn >= m.start && jdn < m.start + m.length) return {m.number, m.leap, static_cast<int>(jdn - m.start) + 1};
    return {};
}

std::optional<DayNumber> OrdinaryMonthDay(const LunarYearMonths& nian, int month, int day)
{
    for (const LunarMonth& m : nian.months)
        if (m.number == month && !m.leap && day <= m.length) return m.start + (day - 1);
    return std::nullopt;
}

// The day the term begins inside the nian.
std::optional<DayNumber> TermDay(const LunarYearMonths& nian, int term, const CalendarSettings& settings)
{
    const SolarTermTable terms =
        SolarTermsOf(settings.meridian.MidnightOf(nian.NewYearDay()) + kMidYearOffset, TermMethod::TrueSun);
    for (int i = 0; i < kTermTableSize; ++i) {
        if (SolarTermNumberOfIndex(i) != term) continue;
        if (terms.TermDay[i] >= nian.NewYearDay() && terms.TermDay[i] < nian.NextNewYearDay()) return terms.TermDay[i];
    }
    return std::nullopt;
}

std::optional<DayNumber> FirstDayOf(const Festival& f, const LunarYearMonths& nian, const CalendarSettings& settings)
{
    switch (f.rule) {
    case FestivalRule::LunarDay: return OrdinaryMonthDay(nian, f.month, f.day);
    case FestivalRule::NewYearsEve: return nian.NextNewYearDay() - 1;
    case FestivalRule::SolarTermDay: return TermDay(nian, f.term, settings);
    }
    return std::nullopt;
}

} // namespace

FestivalYear FestivalsOfLunarYear(int year, const CalendarSettings& settings)
{
    FestivalYear result;
    result.year = year;
    const LunarYearMonths nian = LunarYearMonthsOf(year, settings);
    if (!nian.ok()) return result;
    result.coverage = FestivalCoverage::Whole;
    for (const Festival& f : FestivalsOf(settings.country)) {
        const auto first = FirstDayOf(f, nian, settings);
        if (!first) continue;
        // Only days the program computes: the year is cut at -3000-01-01 and 3000-01-01 CE.
        if (*first < kFirstSupportedDay || *first + (f.days - 1) > kLastSupportedDay) {
            result.coverage = FestivalCoverage::Cut;
            continue;
        }
        result.days.push_back({&f, *first, f.days, LunarDayOf(nian, *first)});
    }
    std::stable_sort(result.days.begin(), result.days.end(),
                     [](const FestivalDay& a, const FestivalDay& b) { return a.first < b.first; });
    return result;
}

} // namespace orlun
